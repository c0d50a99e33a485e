// A tool may write a text of its own into an empty text box of the user's for a while
// (the text input assistant its prompts). What a page reads as must not depend on what a
// tool shows there: reading asks whether a box's text is such a text, and takes the box
// as the user left it, empty.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/VShape.h"

class ShownBoxTexts {
public:
    ShownBoxTexts() = default;
    virtual ~ShownBoxTexts() = default;
    ShownBoxTexts(const ShownBoxTexts&) = delete;
    ShownBoxTexts& operator=(const ShownBoxTexts&) = delete;

    // Whether the box (of that ID) shows a tool's own text, the text given, over a box
    // that the user left empty.
    virtual bool showsOwnText(const visio::VShape& box, int32_t boxID,
                              const std::string& text) const = 0;
};
