// The layout command of the one-dimensional masters glued between two shapes: their
// action rows send "SINK=ALA Sheet.<ID> SCMIndex=<row>", and the tool re-glues both ends
// of the shape to the connection points on the sides where its two partners face each
// other, turns it horizontal or vertical (guarded), ticks the matching one of the two
// action rows (row: horizontal, row + 1: vertical), and queues
// "ALA2CC-ALA_Finished_Recheck" so that a running check looks at the page again.
//
// The partners say which connection point serves a side: "User.<side><part>" holds the
// row for side N, S, E or W when the connection ends at that part; a partner with
// "User.IN100" has inner points ("User.IN<part>") and the sides of its parts in its own
// frame ("User.LO<part>", turned by its rotation). "User.ALA_BoundingBox_Shape" names the
// sub-shape whose box stands for the partner.
//
// Not registered; ignores every event. Created last among the tools.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/SupportTool.h"
#include "core/ToolFactory.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VShape.h"

class ALATool : public SupportTool {
public:
    static constexpr char kCommand[] = "ALA";
    static constexpr char kRowKey[] = "SCMIndex=";
    static constexpr char kRecursionFlag[] = "User.RecursionFlag";

    // How the two partners lie: the result of classifyShape.
    enum class Placement { SideBySide, OneAboveTheOther, Overlapping };
    // The orientation the shape takes: the answer of applyInOut.
    enum class Orientation { Horizontal, Vertical };

    explicit ALATool(const visio::VApplication& application);
    ~ALATool() override;

    // The controller's entry: not registered.
    static ToolFactory factory();

    void createToolbarButton(CommandBarsAccess* access, CommandBarObject* bar) override;
    // "SINK=ALA": handled; with "Sheet." it re-glues that shape and queues the marker.
    bool onCommand(std::string argument) override;
    void onVisioEvent(int32_t eventCode, const visio::VObject& subject,
                      visio::Variant moreInfo) override;
    PreferencePage* getPreferencePage() override;
    void applySettings() override;

    // Re-glues the shape; ticks firstRow (horizontal) or firstRow + 1 (vertical), none
    // without a row.
    void realignShape(int32_t shapeID, std::optional<int32_t> firstRow);
    Placement classifyShape(const visio::VShape& first, const visio::VShape& second);
    void applyFlipX(const visio::VShape& first, const visio::VShape& second);
    void applyFlipY(const visio::VShape& first, const visio::VShape& second);
    Orientation applyInOut(const visio::VShape& first, const visio::VShape& second);
    void connectionPointOf(const std::string& firstSide, const std::string& secondSide,
                           const visio::VShape& first, const visio::VShape& second);
    // The page side of a side letter formula ("\"N\"", ...) of the shape's own frame,
    // through the flips and rotation (to the nearest quarter turn) of the shape and of the
    // groups that hold it.
    static std::string sideForAngle(const std::string& letterFormula, const visio::VShape& shape);

    // The points chosen for the two ends ("Connections.X<row>"), empty when none.
    const std::string& firstPointX() const { return firstPointX_; }
    const std::string& secondPointX() const { return secondPointX_; }

private:
    struct Box {
        double left = 0;
        double bottom = 0;
        double right = 0;
        double top = 0;
    };
    // The side of the shape's own frame (its tables' side) that faces the page side.
    static std::string ownSide(const visio::VShape& shape, const std::string& pageSide);
    // The box that stands for the shape, in page coordinates.
    static Box comparisonBox(const visio::VShape& shape);
    // Where the end goes: "Connections.X<row>" and "Connections.Y<row>"; both empty when
    // the partner has no cell for the side and part.
    static void choosePoint(const visio::VShape& shape, const std::string& side, int16_t part,
                            std::string* x, std::string* y);
    // The page side that the part's own side letter ("User.LO<part>") faces; empty when
    // the partner has no letter for the part.
    static std::string pageSideOfPart(const visio::VShape& shape, int16_t part);
    void forgetPoints();
    void writeEnd(const visio::VShape& shape, const char* yCell, const char* xCell,
                  const visio::VShape& target, const std::string& x, const std::string& y);
    void writeOrientation(const visio::VShape& shape, Orientation orientation,
                          std::optional<int32_t> firstRow);

    visio::VApplication application_;
    int16_t firstPart_ = 0;
    int16_t secondPart_ = 0;
    // Empty while no point is chosen for that end in this command.
    std::string firstPointX_;
    std::string firstPointY_;
    std::string secondPointX_;
    std::string secondPointY_;
    double firstCentreX_ = 0;
    double firstCentreY_ = 0;
    double secondCentreX_ = 0;
    double secondCentreY_ = 0;
};
