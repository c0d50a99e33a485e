#include "simhost/host/Connect.h"

#include <vector>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/Cell.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Shape.h"

namespace simhost {
namespace {

constexpr int16_t kWholeShape = 3;  // visWholeShape

}  // namespace

Connect::Connect(Shape* from, int16_t fromPart, Shape* to, int16_t toPart)
    : from_(from), fromPart_(fromPart), to_(to), toPart_(toPart) {}

int16_t Connect::FromPart() {
    return isDeleted() ? 0 : fromPart_;
}

int16_t Connect::ToPart() {
    return isDeleted() ? 0 : toPart_;
}

visio::ComRef<visio::IVShape> Connect::FromSheet() {
    if (isDeleted()) return {};
    return visio::ComRef<visio::IVShape>(from_);
}

visio::ComRef<visio::IVShape> Connect::ToSheet() {
    if (isDeleted()) return {};
    return visio::ComRef<visio::IVShape>(to_);
}

visio::ComRef<visio::IVCell> Connect::FromCell() {
    if (isDeleted()) return {};
    return from_->CellsSRC(cellOfPart(fromPart_).section, cellOfPart(fromPart_).row,
                           cellOfPart(fromPart_).cell);
}

visio::ComRef<visio::IVCell> Connect::ToCell() {
    if (isDeleted()) return {};
    CellAddress a = cellOfPart(toPart_);
    return to_->CellsSRC(a.section, a.row, a.cell);
}

int16_t Connect::partOfGluedCell(const CellAddress& a) {
    if (a.section != visio::visSectionObject || a.row != visio::visRowXForm1D) return 0;
    if (a.cell == 0 || a.cell == 1) return visio::visBegin;
    if (a.cell == 2 || a.cell == 3) return visio::visEnd;
    return 0;
}

int16_t Connect::partOfTargetCell(const CellAddress& a) {
    if (a.section == visio::visSectionConnectionPts)
        return static_cast<int16_t>(visio::visConnectionPoint + a.row);
    if (a.section == visio::visSectionObject && a.row == visio::visRowXFormOut && a.cell <= 1)
        return kWholeShape;
    return 0;
}

CellAddress Connect::cellOfPart(int16_t part) {
    if (part == visio::visBegin) return {visio::visSectionObject, visio::visRowXForm1D, 0};
    if (part == visio::visEnd) return {visio::visSectionObject, visio::visRowXForm1D, 2};
    if (part >= visio::visConnectionPoint)
        return {visio::visSectionConnectionPts,
                static_cast<int16_t>(part - visio::visConnectionPoint), 0};
    return {visio::visSectionObject, visio::visRowXFormOut, 0};
}

visio::ComRef<Connect> Connect::glue(Shape& from, int16_t fromPart, Shape& to, int16_t toPart) {
    unglue(from, fromPart);
    auto record = makeObject<Connect>(&from, fromPart, &to, toPart);
    from.connects().add(record);
    to.fromConnects().add(record);
    if (from.application()) from.application()->geometry().glued(*record);
    return record;
}

bool Connect::unglue(Shape& from, int16_t fromPart) {
    for (const auto& record : from.connects().list()) {
        if (record->fromPart() != fromPart) continue;
        visio::ComRef<Connect> keep = record;
        keep->cut();
        return true;
    }
    return false;
}

void Connect::unglueAll(Shape& shape) {
    std::vector<visio::ComRef<Connect>> records = shape.connects().list();
    for (const auto& r : shape.fromConnects().list()) records.push_back(r);
    for (const auto& r : records) r->cut();
}

void Connect::cut() {
    if (isDeleted()) return;
    visio::ComRef<Connect> self(this);
    if (from_ && from_->application()) from_->application()->geometry().unglued(*this);
    markDeleted();
    if (from_) from_->connects().remove(*this);
    if (to_) to_->fromConnects().remove(*this);
    from_ = nullptr;
    to_ = nullptr;
}

}  // namespace simhost
