#include "model/DiagramTypeHolder.h"

#include <utility>
#include <vector>

#include "helpers/AddonConstants.h"
#include "helpers/CellHelpers.h"
#include "helpers/MessageBoxWithButtons.h"
#include "helpers/ShapeHelpers.h"
#include "model/BlockDiagramModel.h"
#include "model/ERDiagramModel.h"
#include "model/NotationCellPrefetch.h"
#include "model/NotationConstants.h"
#include "model/PetriNetModel.h"
#include "platform/ui/WinApiConstants.h"

namespace {

constexpr char kQuestion[] =
    "Your Drawing contains elements from different drawing types.\n\n"
    "Please choose the drawing type you wish to check.";
constexpr char kQuestionCaption[] = "Identify your Diagram type";

// A kind the user may choose: its button text and its drawing type.
struct Choice {
    const char* button;
    const char* type;
};

constexpr Choice kBlockChoice{"Block diagram", drawingTypeBlockDiagram};
constexpr Choice kPetriChoice{"Petri Net", drawingTypePetriNet};
constexpr Choice kERChoice{"ER diagram", drawingTypeERDiagram};

}  // namespace

DiagramTypeHolder::DiagramTypeHolder() = default;
DiagramTypeHolder::~DiagramTypeHolder() = default;

// A shape that names a drawing type is not searched further, even as a group.
void DiagramTypeHolder::scanDrawingTypes(const visio::VShapes& shapes, bool& block, bool& petri,
                                         bool& er) const {
    std::vector<ShapeFacts> walked = walk(shapes);
    scanShapes(walked, block, petri, er);
}

void DiagramTypeHolder::scanDrawingTypes(const visio::VShapes& shapes, bool& block, bool& petri,
                                         bool& er, bool keepForReading) {
    std::vector<ShapeFacts> walked = walk(shapes, keepForReading);
    scanShapes(walked, block, petri, er);
    if (keepForReading && readingMode_ == ReadingMode::Batched) {
        scannedPage_ = shapes;
        scanned_ = std::move(walked);
    }
}

std::vector<ShapeFacts> DiagramTypeHolder::walk(const visio::VShapes& shapes,
                                                bool forReading) const {
    const bool remember = readingMode_ == ReadingMode::Batched;
    std::vector<ShapeFacts> walked;
    const int32_t count = shapes.Count();
    for (int32_t i = 1; i <= count; ++i) walked.emplace_back(getShapeByIndex(shapes, i), remember);
    if (remember) NotationCellPrefetch::prefetchDrawingTypes(walked, forReading);
    return walked;
}

void DiagramTypeHolder::scanShapes(std::vector<ShapeFacts>& shapes, bool& block, bool& petri,
                                   bool& er) const {
    for (ShapeFacts& shape : shapes) {
        if (!shape.hasCell(drawingTypeCell)) {
            if (shape.subShapeCount() > 0) {
                std::vector<ShapeFacts> members = walk(shape.shape().Shapes());
                scanShapes(members, block, petri, er);
            }
            continue;
        }
        const std::string type = shape.cellString(drawingTypeCell);
        if (type == drawingTypeBlockDiagram) {
            block = true;
        } else if (type == drawingTypePetriNet) {
            petri = true;
        } else if (type == drawingTypeERDiagram) {
            er = true;
        }
    }
}

std::vector<ShapeFacts> DiagramTypeHolder::takeScan(const visio::VShapes& shapes) {
    std::vector<ShapeFacts> scanned;
    if (scannedPage_.isSameObject(shapes)) scanned.swap(scanned_);
    scanned_.clear();
    scannedPage_.release();
    return scanned;
}

void DiagramTypeHolder::identifyDiagramType(const visio::VShapes& shapes) {
    bool block = false;
    bool petri = false;
    bool er = false;
    scanDrawingTypes(shapes, block, petri, er, true);
    const int kinds = (block ? 1 : 0) + (petri ? 1 : 0) + (er ? 1 : 0);
    if (kinds > 1) {
        // While the question shows, Visio's events reach the tools, which may change the
        // page: what the scan read is read again.
        takeScan(shapes);
        askDiagramType(block, petri, er);
    } else if (petri) {
        type_ = drawingTypePetriNet;
    } else if (er) {
        type_ = drawingTypeERDiagram;
    } else {
        type_ = drawingTypeBlockDiagram;
    }
}

void DiagramTypeHolder::askDiagramType(bool block, bool petri, bool er) {
    std::vector<Choice> choices;
    if (block) choices.push_back(kBlockChoice);
    if (petri) choices.push_back(kPetriChoice);
    if (er) choices.push_back(kERChoice);
    int answer = -1;
    if (choices.size() == 2) {
        answer =
            messageBoxWithButtons(ui::WindowHandle(), kQuestion, kQuestionCaption,
                                  choices[0].button, choices[1].button, ui::kMbIconInformation);
    } else if (choices.size() == 3) {
        answer = messageBoxWithButtons(ui::WindowHandle(), kQuestion, kQuestionCaption,
                                       choices[0].button, choices[1].button, choices[2].button,
                                       ui::kMbIconInformation);
    }
    if (answer >= 1 && answer <= static_cast<int>(choices.size())) {
        type_ = choices[static_cast<size_t>(answer - 1)].type;
    }
}

bool DiagramTypeHolder::isBlockDiagram() const {
    return type_ == drawingTypeBlockDiagram;
}
bool DiagramTypeHolder::isPetriNet() const {
    return type_ == drawingTypePetriNet;
}
bool DiagramTypeHolder::isERDiagram() const {
    return type_ == drawingTypeERDiagram;
}

void DiagramTypeHolder::createModel(const visio::VShapes& shapes, const CellAddressTableMap& tables,
                                    FormulaScope scope) {
    // A model still held would otherwise be lost with everything it owns.
    deleteModel();
    // Reading may show a message box, during which Visio's events reach the tools; the
    // model is held only once it is complete, so that a tool deleting the model then
    // cannot pull it away from under the reading.
    std::unique_ptr<DiagramModel> model = newModel(tables);
    if (!model) return;
    model->setReadingMode(readingMode_);
    model->setShownBoxTexts(shownTexts_);
    std::vector<ShapeFacts> scanned = takeScan(shapes);
    if (scanned.empty()) {
        model->readShapes(shapes);
    } else {
        model->readShapes(std::move(scanned));
    }
    model->analysePage(shapes);
    model->saveFormulas(scope);
    model_ = std::move(model);
}

std::unique_ptr<DiagramModel> DiagramTypeHolder::newModel(const CellAddressTableMap& tables) const {
    if (isBlockDiagram()) return std::make_unique<BlockDiagramModel>(tables);
    if (isPetriNet()) return std::make_unique<PetriNetModel>(tables);
    if (isERDiagram()) return std::make_unique<ERDiagramModel>(tables);
    return nullptr;
}

void DiagramTypeHolder::deleteModel() {
    model_.reset();
}

GEElementSet* DiagramTypeHolder::getActive() const {
    return model_ ? model_->getActive() : nullptr;
}
GEElementSet* DiagramTypeHolder::getPassive() const {
    return model_ ? model_->getPassive() : nullptr;
}
GEElementSet* DiagramTypeHolder::getArcs() const {
    return model_ ? model_->getArcs() : nullptr;
}
GEElementSet* DiagramTypeHolder::getOtherShapes() const {
    return model_ ? model_->getOtherShapes() : nullptr;
}
GEAdjacencyMatrix* DiagramTypeHolder::getAdjacencyMatrix() const {
    return model_ ? model_->getAdjacencyMatrix() : nullptr;
}
SavedFormulaIndex* DiagramTypeHolder::getSavedFormulaIndex() const {
    return model_ ? model_->getSavedFormulaIndex() : nullptr;
}
