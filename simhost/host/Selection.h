// A Selection object: a window's selection (it reads the window's current selection and
// changes it) or the answer of a spatial query (a fixed list of shapes). What it reports
// is listed once and kept while the selection, the iteration mode and the shapes stay,
// so that Count and Item take constant time however long the selection is.
#pragma once

#include <cstdint>
#include <tuple>
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
    // The changes of the selection, the iteration mode and the deletions on the page
    // that the list was made at.
    using ListedAt = std::tuple<uint64_t, int32_t, uint64_t>;

    const std::vector<visio::ComRef<Shape>>& shapes() const;
    ListedAt now() const;
    bool usable() const;

    visio::ComRef<Window> window_;
    visio::ComRef<Page> page_;
    SelectionSet own_;
    int32_t mode_ = 0;
    mutable std::vector<visio::ComRef<Shape>> listed_;
    mutable ListedAt listedAt_;
    mutable bool isListed_ = false;
};

}  // namespace simhost
