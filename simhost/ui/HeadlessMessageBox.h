// One standard message box of the headless backend, from opening to answer: the box
// window with its text, icon and buttons (MessageBoxLayout), its owner disabled, the
// thread's CBT hooks told of its creation and activation, the answer taken from the
// queue (or the default button), the record kept with the buttons as they were at that
// moment, and the activation given back to the window that had it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "simhost/ui/Records.h"

namespace simhost::headless {

class HeadlessBackend;

class HeadlessMessageBox {
public:
    explicit HeadlessMessageBox(HeadlessBackend& backend) : backend_(backend) {}

    int32_t run(ui::WindowHandle owner, const std::string& text, const std::string& caption,
                uint32_t type);

private:
    ui::WindowHandle open(ui::WindowHandle owner, const std::string& text,
                          const std::string& caption, uint32_t type);
    void addChild(ui::WindowHandle box, const char* className, int32_t id, const std::string& text,
                  const ui::Rect& rect);
    int32_t answerFor(ui::WindowHandle box, uint32_t type, bool& byDefault);
    bool offers(ui::WindowHandle box, int32_t id) const;
    // The box's buttons from left to right.
    std::vector<MessageBoxButton> buttonsOf(ui::WindowHandle box) const;

    HeadlessBackend& backend_;
};

}  // namespace simhost::headless
