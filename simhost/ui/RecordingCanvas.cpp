#include "simhost/ui/RecordingCanvas.h"

namespace simhost::headless {

void RecordingCanvas::fillRect(const ui::Rect& rect, ui::ColorRef color) {
    PaintOperation op;
    op.kind = PaintOperation::Kind::Fill;
    op.rect = rect;
    op.color = color;
    operations_.push_back(op);
}

void RecordingCanvas::drawEdge(const ui::Rect& rect, uint32_t edge, uint32_t borders) {
    PaintOperation op;
    op.kind = PaintOperation::Kind::Edge;
    op.rect = rect;
    op.edge = edge;
    op.borders = borders;
    operations_.push_back(op);
}

void RecordingCanvas::frameRect(const ui::Rect& rect, ui::ColorRef color) {
    PaintOperation op;
    op.kind = PaintOperation::Kind::Frame;
    op.rect = rect;
    op.color = color;
    operations_.push_back(op);
}

}  // namespace simhost::headless
