// What a new shape is made of: its kind and place, name, text, cells and members. Tests,
// the runner and the drawing-file reader build shapes from it.
//
//   page.addShape(ShapeSpec::box(2, 3, 1, 0.5).name("P1").cell("User.Marking", "2"));
//   page.addShape(ShapeSpec::line(1, 1, 4, 1).inherited("EndArrow", "4"));
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace simhost {

class ShapeSpec {
public:
    enum class Kind { Box, Line, Group, LineGroup, Picture };

    // Positions and sizes in inches, in the coordinates of the page or of the group the
    // shape goes into. A box is a 2-D rectangle with its pin in the centre.
    static ShapeSpec box(double pinX, double pinY, double width, double height);
    // A 1-D shape from its begin to its end point.
    static ShapeSpec line(double beginX, double beginY, double endX, double endY);
    static ShapeSpec group(double pinX, double pinY, double width, double height);
    // A 1-D group (an arc with text boxes, say): placed by its end points like a line.
    static ShapeSpec lineGroup(double beginX, double beginY, double endX, double endY);
    // An imported picture (a foreign object: no geometry, an image row).
    static ShapeSpec picture(double pinX, double pinY, double width, double height);

    ShapeSpec& name(std::string name);
    ShapeSpec& text(std::string text);
    // A local cell; its row and section are added when the shape lacks them.
    ShapeSpec& cell(std::string name, std::string formula);
    // A cell the shape inherits from its master (exists, but not locally).
    ShapeSpec& inherited(std::string name, std::string formula);
    // The default cells come from the master too (an instance of a master).
    ShapeSpec& fromMaster();
    // No Geometry1 section (boxes get a rectangle, lines a line by default).
    ShapeSpec& withoutGeometry();
    // A member of a group, built with it.
    ShapeSpec& member(ShapeSpec member);
    // The picture file's bytes a picture draws.
    ShapeSpec& image(std::string bytes);

    Kind kind() const { return kind_; }
    const std::string& shapeName() const { return name_; }
    const std::string& shapeText() const { return text_; }
    bool isOneD() const { return kind_ == Kind::Line || kind_ == Kind::LineGroup; }
    bool isFromMaster() const { return fromMaster_; }
    bool hasGeometry() const { return geometry_; }
    // The placing cells of the kind (PinX.. or BeginX..), then the cells given.
    const std::vector<std::pair<std::string, std::string>>& cells() const { return cells_; }
    const std::vector<std::pair<std::string, std::string>>& inheritedCells() const {
        return inherited_;
    }
    const std::vector<ShapeSpec>& members() const { return members_; }
    const std::string& imageBytes() const { return image_; }

private:
    ShapeSpec(Kind kind, bool geometry) : kind_(kind), geometry_(geometry) {}
    ShapeSpec& place(double pinX, double pinY, double width, double height);
    ShapeSpec& ends(double beginX, double beginY, double endX, double endY);

    Kind kind_;
    bool geometry_;
    bool fromMaster_ = false;
    std::string name_;
    std::string text_;
    std::string image_;
    std::vector<std::pair<std::string, std::string>> cells_;
    std::vector<std::pair<std::string, std::string>> inherited_;
    std::vector<ShapeSpec> members_;
};

}  // namespace simhost
