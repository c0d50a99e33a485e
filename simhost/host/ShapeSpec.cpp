#include "simhost/host/ShapeSpec.h"

#include "simhost/formula/Formula.h"

namespace simhost {
namespace {

std::string inches(double value) {
    return formula::formatNumber(value) + " in";
}

}  // namespace

ShapeSpec ShapeSpec::box(double pinX, double pinY, double width, double height) {
    return ShapeSpec(Kind::Box, true).place(pinX, pinY, width, height);
}

ShapeSpec ShapeSpec::line(double beginX, double beginY, double endX, double endY) {
    return ShapeSpec(Kind::Line, true).ends(beginX, beginY, endX, endY);
}

ShapeSpec ShapeSpec::lineGroup(double beginX, double beginY, double endX, double endY) {
    return ShapeSpec(Kind::LineGroup, false).ends(beginX, beginY, endX, endY);
}

ShapeSpec& ShapeSpec::ends(double beginX, double beginY, double endX, double endY) {
    cell("BeginX", inches(beginX));
    cell("BeginY", inches(beginY));
    cell("EndX", inches(endX));
    return cell("EndY", inches(endY));
}

ShapeSpec ShapeSpec::group(double pinX, double pinY, double width, double height) {
    return ShapeSpec(Kind::Group, false).place(pinX, pinY, width, height);
}

ShapeSpec ShapeSpec::picture(double pinX, double pinY, double width, double height) {
    return ShapeSpec(Kind::Picture, false).place(pinX, pinY, width, height);
}

ShapeSpec& ShapeSpec::place(double pinX, double pinY, double width, double height) {
    cell("PinX", inches(pinX));
    cell("PinY", inches(pinY));
    cell("Width", inches(width));
    return cell("Height", inches(height));
}

ShapeSpec& ShapeSpec::name(std::string name) {
    name_ = std::move(name);
    return *this;
}

ShapeSpec& ShapeSpec::text(std::string text) {
    text_ = std::move(text);
    return *this;
}

ShapeSpec& ShapeSpec::cell(std::string name, std::string formula) {
    cells_.emplace_back(std::move(name), std::move(formula));
    return *this;
}

ShapeSpec& ShapeSpec::inherited(std::string name, std::string formula) {
    inherited_.emplace_back(std::move(name), std::move(formula));
    return *this;
}

ShapeSpec& ShapeSpec::fromMaster() {
    fromMaster_ = true;
    return *this;
}

ShapeSpec& ShapeSpec::withoutGeometry() {
    geometry_ = false;
    return *this;
}

ShapeSpec& ShapeSpec::member(ShapeSpec member) {
    members_.push_back(std::move(member));
    return *this;
}

ShapeSpec& ShapeSpec::image(std::string bytes) {
    image_ = std::move(bytes);
    return *this;
}

}  // namespace simhost
