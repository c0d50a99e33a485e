#include "resources/Dialog5100Palette.h"

namespace dialog5100 {
namespace {

constexpr int32_t kColumns = 4;
constexpr int32_t kMargin = 3;
constexpr int32_t kSwatchSize = 10;
constexpr int32_t kPitch = kSwatchSize + 1;

}  // namespace

ui::DialogTemplate make() {
    using ui::ControlKind;
    ui::DialogTemplate t;
    t.id = kId;
    t.rect = {0, 0, 49, 74};
    t.style = ui::dialog_style::kPopup;
    for (int32_t i = 0; i < kSwatchCount; ++i) {
        const int32_t x = kMargin + (i % kColumns) * kPitch;
        const int32_t y = kMargin + (i / kColumns) * kPitch;
        t.controls.push_back(
            {kFirstSwatch + i, ControlKind::OwnerDrawButton, "", {x, y, kSwatchSize, kSwatchSize}});
    }
    const int32_t rows = kSwatchCount / kColumns;
    t.controls.push_back({kOther,
                          ControlKind::PushButton,
                          "Other...",
                          {kMargin, kMargin + rows * kPitch + 2, 49 - 2 * kMargin, 12}});
    return t;
}

}  // namespace dialog5100
