#include "simhost/host/ShapeClipboard.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "simhost/formula/Formula.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/ShapeBuilder.h"
#include "simhost/host/Shapes.h"
#include "simhost/host/Transform.h"

namespace simhost {
namespace {

using IdMap = std::map<int32_t, int32_t>;

const CellAddress kPin[2] = {{1, 1, 0}, {1, 1, 1}};
const CellAddress kBegin[2] = {{1, 4, 0}, {1, 4, 1}};
const CellAddress kEnd[2] = {{1, 4, 2}, {1, 4, 3}};

void collectIds(Shape& original, Shape& copy, IdMap& ids) {
    ids[original.id()] = copy.id();
    const auto originals = original.memberList();
    const auto copies = copy.memberList();
    for (std::size_t i = 0; i < originals.size() && i < copies.size(); ++i)
        collectIds(*originals[i], *copies[i], ids);
}

// "Sheet.<n>!" with n an original's ID becomes the copy's.
bool renameReferences(std::string& formula, const IdMap& ids) {
    static const std::string prefix = "Sheet.";
    bool renamed = false;
    for (std::size_t at = formula.find(prefix); at != std::string::npos;
         at = formula.find(prefix, at + 1)) {
        std::size_t end = at + prefix.size();
        while (end < formula.size() && std::isdigit(static_cast<unsigned char>(formula[end])))
            ++end;
        if (end == at + prefix.size() || end >= formula.size() || formula[end] != '!') continue;
        const long long number = std::strtoll(
            formula.substr(at + prefix.size(), end - at - prefix.size()).c_str(), nullptr, 10);
        auto id = number <= INT32_MAX ? ids.find(static_cast<int32_t>(number)) : ids.end();
        if (id == ids.end()) continue;
        formula.replace(at + prefix.size(), end - at - prefix.size(), std::to_string(id->second));
        renamed = true;
    }
    return renamed;
}

void renameReferences(Shape& shape, const IdMap& ids) {
    ShapeSheet& sheet = shape.sheet();
    for (int16_t section : sheet.sectionNumbers()) {
        for (int16_t r = 0; r < sheet.rowCount(section); ++r) {
            SheetRow* row = sheet.row(section, r);
            if (!row) continue;
            for (SheetCell& cell : row->cells) {
                if (renameReferences(cell.formula, ids))
                    cell.expression = shape.application()->formulas().parse(cell.formula, nullptr);
            }
        }
    }
    for (const auto& member : shape.memberList()) renameReferences(*member, ids);
}

// The original's point in page coordinates, moved.
Point2 placeOf(Shape& original, const CellAddress* xy, double dx, double dy) {
    Point2 p{original.cellNumber(xy[0]), original.cellNumber(xy[1])};
    if (Shape* group = original.group()) p = ShapeTransform::localToPage(*group).apply(p);
    return {p.x + dx, p.y + dy};
}

void putConstant(Shape& shape, const CellAddress& address, double inches) {
    const std::string text = formula::formatNumber(inches) + " in";
    shape.sheet().setLocal(address, text, shape.application()->formulas().parse(text, nullptr));
}

void place(Shape& original, Shape& copy, double dx, double dy) {
    for (const CellAddress* xy : original.isOneDShape()
                                     ? std::vector<const CellAddress*>{kBegin, kEnd}
                                     : std::vector<const CellAddress*>{kPin}) {
        const Point2 p = placeOf(original, xy, dx, dy);
        putConstant(copy, xy[0], p.x);
        putConstant(copy, xy[1], p.y);
    }
}

}  // namespace

ShapeClipboard::ShapeClipboard(Application& application)
    : application_(application), store_(makeObject<Document>(&application, 0, "Clipboard")) {
    EventQueue::Suppression quiet(application_.events());
    store_->addPage();
}

ShapeClipboard::~ShapeClipboard() {
    store_->detach();
}

// The held copies keep their formulas as they were, naming the originals: a reference
// to a shape that was not copied must not come to name a copy whose ID in the clipboard
// happens to be the same.
void ShapeClipboard::copy(const std::vector<Shape*>& shapes) {
    Page* page = store_->page(1);
    if (!page) return;
    EventQueue::Suppression quiet(application_.events());
    const std::vector<visio::ComRef<Shape>> held = page->shapeCollection().list();
    for (const auto& shape : held) page->removeShape(*shape);
    originals_.clear();
    for (const auto& [original, copy] : copyAll(shapes, *page, 0, 0)) originals_[copy] = original;
}

bool ShapeClipboard::empty() const {
    Page* page = store_->page(1);
    return !page || page->shapeCollection().list().empty();
}

std::vector<visio::ComRef<Shape>> ShapeClipboard::pasteOnto(Page& page) {
    std::vector<Shape*> held;
    if (Page* store = store_->page(1))
        for (const auto& shape : store->shapeCollection().list()) held.push_back(shape.get());
    std::vector<visio::ComRef<Shape>> copies;
    IdMap ids;
    for (const auto& [heldID, pasted] : copyAll(held, page, 0, 0, &copies)) {
        auto original = originals_.find(heldID);
        if (original != originals_.end()) ids[original->second] = pasted;
    }
    for (const auto& copy : copies) renameReferences(*copy, ids);
    return copies;
}

std::vector<visio::ComRef<Shape>> ShapeClipboard::copyShapes(const std::vector<Shape*>& shapes,
                                                             Page& page, double dx, double dy) {
    std::vector<visio::ComRef<Shape>> copies;
    const IdMap ids = copyAll(shapes, page, dx, dy, &copies);
    for (const auto& copy : copies) renameReferences(*copy, ids);
    return copies;
}

std::map<int32_t, int32_t> ShapeClipboard::copyAll(const std::vector<Shape*>& shapes, Page& page,
                                                   double dx, double dy,
                                                   std::vector<visio::ComRef<Shape>>* made) {
    IdMap ids;
    for (Shape* original : shapes) {
        if (!original || original->isDeleted() || original->isSheetOnly()) continue;
        visio::ComRef<Shape> copy = ShapeBuilder::copy(*original, page, nullptr);
        collectIds(*original, *copy, ids);
        place(*original, *copy, dx, dy);
        if (made) made->push_back(copy);
    }
    return ids;
}

}  // namespace simhost
