// A Selection object: a window's selection (it reads the window's current selection and
// changes it) or the answer of a spatial query (a fixed list of shapes).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/visio/IVWindow.h"
#include "simhost/host/HostObject.h"
#include "simhost/host/SelectionSet.h"

namespace simhost {

class Page;
class Shape;
class Window;

class Selection : public HostObject<visio::IVSelection> {
public:
    explicit Selection(visio::ComRef<Window> window);
    Selection(Page* page, std::vector<visio::ComRef<Shape>> shapes);
    ~Selection() override;

    // IVSelection
    QAV_VISIO_DECLARE_OVERRIDES(Selection)

private:
    std::vector<visio::ComRef<Shape>> shapes() const;
    bool usable() const;

    visio::ComRef<Window> window_;
    visio::ComRef<Page> page_;
    SelectionSet own_;
    int32_t mode_ = 0;
};

}  // namespace simhost
