// One glue record: a part of the from shape (a connector's begin or end) glued to a part
// of the to shape (a connection point, or the whole shape). The from shape lists it in
// Connects, the to shape in FromConnects.
#pragma once

#include <cstdint>

#include "platform/visio/IVShape.h"
#include "simhost/host/HostObject.h"
#include "simhost/sheet/CellNames.h"

namespace simhost {

class Shape;

class Connect : public HostObject<visio::IVConnect> {
public:
    Connect(Shape* from, int16_t fromPart, Shape* to, int16_t toPart);

    // IVConnect
    QAV_VISIO_DECLARE_OVERRIDES(Connect)

    Shape* from() const { return from_; }
    Shape* to() const { return to_; }
    int16_t fromPart() const { return fromPart_; }
    int16_t toPart() const { return toPart_; }

    // Glues the part of from to the part of to, replacing a record of the same from
    // part; raises nothing (the geometry is told). Answers the new record.
    static visio::ComRef<Connect> glue(Shape& from, int16_t fromPart, Shape& to, int16_t toPart);
    // Removes the record of that from part; false when there is none.
    static bool unglue(Shape& from, int16_t fromPart);
    // Removes every record that names the shape, on either side.
    static void unglueAll(Shape& shape);

    // The part a glued cell stands for: 9 for BeginX/BeginY, 12 for EndX/EndY; 0 else.
    static int16_t partOfGluedCell(const CellAddress& address);
    // The part a target cell stands for: 100 + row for a Connections row, 3 (the whole
    // shape) for PinX/PinY; 0 else.
    static int16_t partOfTargetCell(const CellAddress& address);
    // The cell that stands for a part (the begin, end, connection point or pin).
    static CellAddress cellOfPart(int16_t part);

    // Takes the record out of both shapes' lists and empties it.
    void cut();

private:
    Shape* from_;
    int16_t fromPart_;
    Shape* to_;
    int16_t toPart_;
};

}  // namespace simhost
