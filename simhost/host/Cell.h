// A handle on one cell of a shape. It names its row by identity, so it keeps naming the
// same cell when rows before it are added or deleted; once its row or shape is gone it
// answers empty values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/visio/IVShape.h"
#include "simhost/formula/Units.h"
#include "simhost/formula/Value.h"
#include "simhost/host/HostObject.h"
#include "simhost/sheet/CellNames.h"

namespace simhost {

class Shape;

class Cell : public HostObject<visio::IVCell> {
public:
    Cell(visio::ComRef<simhost::Shape> shape, int16_t section, uint32_t rowId, int16_t cell);
    ~Cell() override;

    // IVCell. GlueTo glues a connector's begin or end (BeginX/EndX) to a connection point
    // (Connections row) or to a whole shape (PinX); other cells glue nothing.
    QAV_VISIO_DECLARE_OVERRIDES(Cell)

    simhost::Shape* shape() const { return shape_.get(); }
    // Where the cell is now; none when its row or shape is gone.
    std::optional<CellAddress> address();

    // The unit a Variant names: a name ("mm", "" for none), a code (32, 81, ...); none
    // for names and codes that are no unit.
    static std::optional<formula::Unit> unitOf(const visio::Variant& units);

private:
    formula::Value read();
    int32_t write(const std::string& formula, bool force);
    static std::string universalSyntaxOf(const std::string& local);
    // The unit SetResultIU writes in: inches for lengths, degrees for angles, none else.
    formula::Unit internalUnit(const CellAddress& address);

    visio::ComRef<simhost::Shape> shape_;
    int16_t section_;
    uint32_t rowId_;
    int16_t cell_;
};

}  // namespace simhost
