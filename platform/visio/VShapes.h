// The shapes of a page or of a group.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVShape.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VPage;
class VShape;

class VShapes : public Wrapper<IVShapes> {
public:
    using Interface = IVShapes;
    using Wrapper::Wrapper;

    int32_t Count() const;
    VShape Item(int32_t index) const;
    VShape ItemFromID(int32_t id) const;
    VPage ContainingPage() const;
    VShape ContainingShape() const;
};

}  // namespace visio
