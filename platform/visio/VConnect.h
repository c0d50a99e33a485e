// One glue record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVShape.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VCell;
class VShape;

class VConnect : public Wrapper<IVConnect> {
public:
    using Interface = IVConnect;
    using Wrapper::Wrapper;

    int16_t FromPart() const;
    int16_t ToPart() const;
    VShape FromSheet() const;
    VShape ToSheet() const;
    VCell FromCell() const;
    VCell ToCell() const;
};

}  // namespace visio
