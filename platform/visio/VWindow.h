// A Visio window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVWindow.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VDocument;
class VPage;
class VSelection;
class VShape;

class VWindow : public Wrapper<IVWindow> {
public:
    using Interface = IVWindow;
    using Wrapper::Wrapper;

    int16_t Type() const;
    int16_t SubType() const;
    VPage Page() const;
    void SetPage(const std::string& pageName) const;
    VDocument Document() const;
    VSelection Selection() const;
    void Select(const VShape& shape, int16_t action) const;
    void DeselectAll() const;
    void SelectAll() const;
    void Activate() const;
    int16_t ShowConnectPoints() const;
    void SetShowConnectPoints(int16_t value) const;
};

}  // namespace visio
