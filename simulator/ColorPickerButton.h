// An owner-drawn button of a preference page that shows a colour and, clicked, drops down
// the shared colour palette (ColorPalettePopup) to choose another. Its face is filled
// with its colour, with a raised edge, sunken while it is pressed; disabled, it looks
// greyed.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/PropertyPage.h"
#include "simulator/ColorPalettePopup.h"

class ColorPickerButton : public ui::Button {
public:
    ColorPickerButton();
    ~ColorPickerButton() override;

    // Takes over the page's owner-drawn button with the id; false when there is none.
    bool attach(ui::PropertyPage& page, int32_t id);

    ui::ColorRef color() const { return color_; }
    // Shows the colour.
    void setColor(ui::ColorRef color);
    // A colour picked in the palette: shown, and taken into the page's fields.
    void takeColor(ui::ColorRef color);

    void DrawItem(const ui::DrawItem& item) override;
    // Opens the palette and marks the page modified.
    bool OnClicked() override;

    // Null before the first click.
    ColorPalettePopup* popup() const { return popup_.get(); }

private:
    ui::ColorRef color_ = 0xFFFFFF;
    ui::PropertyPage* page_ = nullptr;
    // Made at the first click and again whenever its window has gone.
    std::unique_ptr<ColorPalettePopup> popup_;
};
