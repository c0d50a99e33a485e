// The shapes selected in a window, or a query's answer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVWindow.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VPage;
class VShape;

class VSelection : public Wrapper<IVSelection> {
public:
    using Interface = IVSelection;
    using Wrapper::Wrapper;

    int32_t Count() const;
    VShape Item(int32_t index) const;
    int32_t IterationMode() const;
    void SetIterationMode(int32_t mode) const;
    void Select(const VShape& shape, int16_t action) const;
    void DeselectAll() const;
    void AddToGroup() const;
    VPage ContainingPage() const;
};

}  // namespace visio
