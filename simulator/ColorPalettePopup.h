// The colour palette that drops down below a colour button (dialog 5100): twenty
// swatches in the order of the shared palette, and "Other..." for the system's colour
// dialog. It sits below its button, kept on the screen, and holds the mouse while it is
// open: a click outside closes it and changes nothing; a swatch, or a colour chosen in
// the colour dialog, becomes the button's colour and the palette's most recently used
// entry.
#pragma once

#include <array>
#include <cstdint>

#include "platform/ui/Dialog.h"

class ColorPickerButton;

// The palette that every colour button of the process shares, kept in memory only:
// twenty colours, each with its usage rank from 1 (the most recently used entry) to 20
// (the least); the ranks are always a permutation of 1 to 20.
class ColorPalette {
public:
    static constexpr int32_t kSize = 20;

    // The one palette of the process.
    static ColorPalette& shared();

    // Back to the colours and ranks the palette starts with.
    void reset();

    // Of an entry from 0 to 19.
    ui::ColorRef color(int32_t entry) const;
    int32_t rank(int32_t entry) const;
    // The entry with the colour, or -1.
    int32_t find(ui::ColorRef color) const;
    // The entry of rank 20.
    int32_t leastRecentlyUsed() const;

    // The entry becomes rank 1; the entries used more recently than it move one rank
    // down, the others keep theirs.
    void use(int32_t entry);
    // The entry that holds the colour; when none does, the least recently used entry
    // takes the colour. The ranks stay as they were.
    int32_t take(ui::ColorRef color);

private:
    ColorPalette();

    std::array<ui::ColorRef, kSize> colors_{};
    std::array<int32_t, kSize> ranks_{};
};

class ColorPalettePopup : public ui::Dialog {
public:
    explicit ColorPalettePopup(ColorPickerButton& owner);
    ~ColorPalettePopup() override;

    // Places the popup below its button, on the screen, and captures the mouse.
    bool OnInitDialog() override;
    // Pressed outside the popup: closes it without a colour. Pressed or released over a
    // child: the child is pressed, as the mouse would press it without the capture.
    void OnMouseButton(uint32_t message, ui::Point point) override;

    // The entry picked, -1 while none is.
    int32_t picked() const { return picked_; }

    // Where the popup goes: its top-left corner at the button's bottom-left corner; above
    // the button when it would reach below the screen, moved left to end at the screen's
    // right edge when it would reach past it. All in screen pixels.
    static ui::Point placement(const ui::Rect& button, ui::Size popup, ui::Size screen);

private:
    void onSwatchClicked(int32_t entry);
    void onOtherClicked();
    void drawSwatch(const ui::DrawItem& item);
    void pressChildAt(ui::Point point);
    // Makes the entry the picked one and the most recently used.
    void pick(int32_t entry);
    // Hands a picked colour to the button, lets go of the mouse and destroys the window.
    void close();

    ColorPickerButton& owner_;
    int32_t picked_ = -1;
};
