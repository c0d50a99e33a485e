// The open windows of the headless backend as text, one line per window or control with
// what a user would see of it, children indented below their window:
//   "Options" dialog #32770 0x10000 visible active
//     101 check box "Show toolbar" checked
//     105 drop-down list [emf, wmf, png] selected 1
//     107 push button "Browse..." disabled
//     1039 trackbar 100..5000 at 1000 ticks every 250 tips top
//     1029 owner-drawn button filled 0x0000FF
#pragma once

#include <string>

#include "simhost/ui/HeadlessBackend.h"

namespace simhost::headless {

class WindowListing {
public:
    // Every top-level window, the topmost first.
    static std::string describe(const HeadlessBackend& backend);
    // One window and its children.
    static std::string describe(const HeadlessBackend& backend, ui::WindowHandle window);

private:
    static void describeInto(const HeadlessBackend& backend, ui::WindowHandle window, int depth,
                             std::string& out);
    static std::string kindName(const HeadlessWindow& window);
    static std::string contents(const HeadlessWindow& window);
    static std::string states(const HeadlessBackend& backend, const HeadlessWindow& window);
};

}  // namespace simhost::headless
