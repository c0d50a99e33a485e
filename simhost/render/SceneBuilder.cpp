#include "simhost/render/SceneBuilder.h"

#include <cmath>

#include "simhost/formula/ValueText.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"
#include "simhost/render/ShapeFigure.h"
#include "simhost/render/ShapeImage.h"
#include "simhost/render/ShapeLooks.h"
#include "simhost/render/ShapeText.h"

namespace simhost::render {
namespace {

const CellAddress kPageWidth{1, 10, 0}, kPageHeight{1, 10, 1};
const CellAddress kDisplayMode{1, 22, 1};
// A group's DisplayMode: its own figure hidden, behind its members, or in front (Visio's
// default).
constexpr int kGroupFigureHidden = 0, kGroupFigureBehind = 1, kGroupFigureInFront = 2;
// Background pages may stand behind background pages; a loop among them ends here.
constexpr int kDeepestBackground = 16;

double pageCell(Page& page, const CellAddress& address) {
    Shape* sheet = page.pageSheet();
    return sheet && sheet->sheet().cell(address) ? sheet->cellNumber(address) : 0;
}

bool usableSize(double size) {
    return std::isfinite(size) && size > 0;
}

// Keeps what draws anything.
void draw(SceneShape shape, Scene& scene) {
    if (shape.paths.empty() && !shape.image && shape.arrows.empty() && !shape.text) return;
    scene.shapes.push_back(std::move(shape));
}

int displayMode(Shape& group) {
    if (!group.sheet().cell(kDisplayMode)) return kGroupFigureInFront;
    double mode = group.cellNumber(kDisplayMode);
    bool known = mode == kGroupFigureHidden || mode == kGroupFigureBehind;
    return known ? static_cast<int>(mode) : kGroupFigureInFront;
}

}  // namespace

std::optional<Scene> SceneBuilder::build(Page& page, std::string* error) {
    Scene scene;
    scene.width = pageCell(page, kPageWidth);
    scene.height = pageCell(page, kPageHeight);
    if (!usableSize(scene.width) || !usableSize(scene.height)) {
        if (error) {
            *error = "the page has no size to draw (PageWidth " +
                     formula::ValueText::formatNumber(scene.width) + " in, PageHeight " +
                     formula::ValueText::formatNumber(scene.height) + " in)";
        }
        return std::nullopt;
    }
    addPage(page, scene, 0);
    return scene;
}

void SceneBuilder::addPage(Page& page, Scene& scene, int depth) {
    if (Page* back = page.backPage(); back && back != &page && depth < kDeepestBackground) {
        addPage(*back, scene, depth + 1);
    }
    for (const auto& shape : page.shapeCollection().list()) addShape(*shape, Affine(), scene);
}

void SceneBuilder::addShape(Shape& shape, const Affine& parentToPage, Scene& scene) {
    if (shape.isDeleted() || shape.isSheetOnly()) return;
    Affine toPage = ShapeTransform::localToParent(shape).then(parentToPage);
    if (!shape.isGroup()) {
        SceneShape figure = figureOf(shape, toPage);
        figure.image = ShapeImage::place(shape, toPage);
        figure.text = ShapeText::place(shape, toPage);
        draw(std::move(figure), scene);
        return;
    }
    int mode = displayMode(shape);
    if (mode == kGroupFigureBehind) draw(figureOf(shape, toPage), scene);
    for (const auto& member : shape.memberList()) addShape(*member, toPage, scene);
    if (mode == kGroupFigureInFront) draw(figureOf(shape, toPage), scene);
    SceneShape text;
    text.text = ShapeText::place(shape, toPage);
    draw(std::move(text), scene);
}

SceneShape SceneBuilder::figureOf(Shape& shape, const Affine& toPage) {
    SceneShape figure;
    figure.paths = ShapeFigure::paths(shape, toPage);
    figure.line = ShapeLooks::line(shape);
    figure.fill = ShapeLooks::fill(shape);
    figure.arrows = ShapeFigure::arrowheads(shape, toPage, figure.paths, ShapeLooks::arrows(shape),
                                            figure.line.weight);
    return figure;
}

}  // namespace simhost::render
