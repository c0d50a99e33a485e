// The canvas the headless backend paints owner-drawn controls on: it keeps the drawing
// calls, so that tests can see what a control shows.
#pragma once

#include <vector>

#include "platform/ui/Canvas.h"
#include "simhost/ui/HeadlessWindow.h"

namespace simhost::headless {

class RecordingCanvas : public ui::Canvas {
public:
    void fillRect(const ui::Rect& rect, ui::ColorRef color) override;
    void drawEdge(const ui::Rect& rect, uint32_t edge, uint32_t borders) override;
    void frameRect(const ui::Rect& rect, ui::ColorRef color) override;

    std::vector<PaintOperation> takeOperations() { return std::move(operations_); }

private:
    std::vector<PaintOperation> operations_;
};

}  // namespace simhost::headless
