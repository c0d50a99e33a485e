#include "model/NotationCellPrefetch.h"

#include <optional>
#include <utility>

#include "helpers/FormulaBatchHelpers.h"
#include "model/NotationConstants.h"
#include "model/ShapeAttributes.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VisioConstants.h"

namespace {

constexpr int16_t kValueColumn = 0;
constexpr int16_t kPromptColumn = 1;
constexpr char kUserPrefix[] = "User.";
constexpr char kPropPrefix[] = "Prop.";
constexpr char kPromptSuffix[] = ".Prompt";

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Section and column of a notation cell's name ("User.X", "User.X.Prompt", "Prop.X");
// nothing for a name of another form.
std::optional<std::pair<int16_t, int16_t>> placeOf(const std::string& name) {
    const std::string prompt = kPromptSuffix;
    if (startsWith(name, kPropPrefix)) {
        if (name.find('.', sizeof kPropPrefix - 1) != std::string::npos) return std::nullopt;
        return std::make_pair(visio::visSectionProp, kValueColumn);
    }
    if (!startsWith(name, kUserPrefix)) return std::nullopt;
    std::string row = name.substr(sizeof kUserPrefix - 1);
    int16_t column = kValueColumn;
    if (row.size() > prompt.size() &&
        row.compare(row.size() - prompt.size(), prompt.size(), prompt) == 0) {
        row.resize(row.size() - prompt.size());
        column = kPromptColumn;
    }
    if (row.find('.') != std::string::npos) return std::nullopt;
    return std::make_pair(visio::visSectionUser, column);
}

}  // namespace

void NotationCellPrefetch::prefetch(std::vector<ShapeFacts>& shapes) const {
    std::vector<ShapeFacts*> ofKind;
    for (ShapeFacts& shape : shapes) {
        if (shape.hasCell(drawingTypeCell) && shape.cellString(drawingTypeCell) == expectedType_)
            ofKind.push_back(&shape);
    }
    if (ofKind.empty()) return;
    typeCells(ofKind);
    requiredCells(ofKind);
}

void NotationCellPrefetch::prefetchDrawingTypes(std::vector<ShapeFacts>& shapes, bool forReading) {
    std::vector<Wanted> wanted;
    wanted.reserve(shapes.size());
    for (ShapeFacts& shape : shapes) wanted.push_back({&shape, drawingTypeCell, true});
    std::vector<Found> found = locate(wanted);
    std::vector<Wanted> typeCells;
    if (forReading) {
        for (const Found& f : found) {
            if (pageBatchNamesShape(f.key[0])) continue;
            typeCells.push_back({f.wanted->shape, elementTypeCell, true});
            typeCells.push_back({f.wanted->shape, stencilVersionCell, true});
        }
    }
    const std::vector<Found> more = locate(typeCells);
    found.insert(found.end(), more.begin(), more.end());
    read(found);
}

// Those the scan read already are not read again.
void NotationCellPrefetch::typeCells(std::vector<ShapeFacts*>& shapes) const {
    std::vector<Wanted> wanted;
    for (ShapeFacts* shape : shapes) {
        for (const char* name : {elementTypeCell, stencilVersionCell}) {
            if (!shape->knowsCell(name)) wanted.push_back({shape, name, true});
        }
    }
    fetch(wanted);
}

// The misc shape's kind is read as text by its own reader, which writes: it is left to it.
void NotationCellPrefetch::requiredCells(std::vector<ShapeFacts*>& shapes) const {
    const int32_t kind = ShapeAttributes::kindOf(expectedType_);
    std::vector<Wanted> wanted;
    for (ShapeFacts* shape : shapes) {
        if (!shape->hasCell(elementTypeCell)) continue;
        const int32_t type =
            ShapeAttributes::elementTypeOf(kind, shape->cellString(elementTypeCell));
        if (type < 0) continue;
        for (const char* name : ::requiredCells[kind][type]) {
            if (name[0] != '\0' && std::string(name) != miscTypeCell)
                wanted.push_back({shape, name, false});
        }
        if (kind == petriNetKind && type == connectionElement)
            wanted.push_back({shape, arcWeightPromptCell, true});
    }
    fetch(wanted);
}

void NotationCellPrefetch::fetch(const std::vector<Wanted>& wanted) {
    read(locate(wanted));
}

std::vector<NotationCellPrefetch::Found> NotationCellPrefetch::locate(
    const std::vector<Wanted>& wanted) {
    std::vector<Found> found;
    for (const Wanted& w : wanted) {
        const auto place = placeOf(w.name);
        if (!place) continue;
        const int16_t row = w.shape->shape().CellsRowIndexU(w.name);
        if (row < 0) {
            w.shape->knowMissing(w.name);
            continue;
        }
        found.push_back({&w, {w.shape->id(), place->first, row, place->second}});
    }
    return found;
}

void NotationCellPrefetch::read(const std::vector<Found>& found) {
    std::vector<FormulaBatchKey> formulaCells;
    std::vector<FormulaBatchKey> valueCells;
    std::vector<const Wanted*> formulaOf;
    std::vector<const Wanted*> valueOf;
    ShapesByID shapeOf;
    for (const Found& f : found) {
        shapeOf.emplace(f.key[0], f.wanted->shape->shape());
        (f.wanted->formula ? formulaCells : valueCells).push_back(f.key);
        (f.wanted->formula ? formulaOf : valueOf).push_back(f.wanted);
    }
    if (shapeOf.empty()) return;
    const visio::VPage page = shapeOf.begin()->second.ContainingPage();
    const ShapeOfID shapeByID = shapeIn(shapeOf);
    if (!formulaCells.empty()) {
        const std::vector<std::string> formulas = getFormulasBatch(page, formulaCells, shapeByID);
        for (std::size_t i = 0; i < formulaOf.size(); ++i)
            formulaOf[i]->shape->knowFormula(formulaOf[i]->name, formulas[i]);
    }
    if (!valueCells.empty()) {
        const std::vector<double> values = getResultsBatch(page, valueCells, shapeByID);
        for (std::size_t i = 0; i < valueOf.size(); ++i)
            valueOf[i]->shape->knowResult(valueOf[i]->name, values[i]);
    }
}
