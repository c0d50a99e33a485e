// What the stand-in masters carry besides their notation cells: outlines, connection
// points and the layout command's tables, text input boxes, the title block, frame and
// logo area with their action rows, and the layout shape.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "simhost/host/Application.h"
#include "simhost/stencil/LayoutStencil.h"
#include "simhost/stencil/TitleBlockStencil.h"
#include "tests/model/ShapeAttributesFixture.h"

namespace {

using namespace simhost::stencil;

class StencilStructure : public ShapeAttributesFixture {
protected:
    // The add-on runs an action row asks for: (add-on, argument).
    std::pair<std::string, std::string> runAction(const visio::ComRef<simhost::Shape>& shape,
                                                  int16_t row) {
        auto& runs = host_.application().log().addonRuns;
        const size_t before = runs.size();
        EXPECT_TRUE(host_.runAction(*shape.get(), row));
        if (runs.size() != before + 1) return {};
        return runs.back();
    }
    simhost::Shape* child(simhost::Shape* shape, size_t index) {
        return shape->memberList().at(index - 1).get();
    }
};

TEST_F(StencilStructure, NotationCellsComeFromTheMasterAndTheTestsOwnAreLocal) {
    StencilOptions options;
    options.cells["User.QAV_Identifier_ID"] = "0";
    auto shape = dropTransition(page(), options);
    const visio::VShape s = wrap(shape);
    EXPECT_TRUE(s.CellExistsU("Prop.QAVType", 0));
    EXPECT_FALSE(s.CellExistsU("Prop.QAVType", 1));
    EXPECT_TRUE(s.CellExistsU("User.QAV_Identifier_ID", 1));
    EXPECT_EQ(formulaOf(shape, "User.QAV_ST_Version"), "\"2.1.1\"");
    EXPECT_EQ(formulaOf(shape, "User.QAV_DrawingType.Prompt"), "\"QAV-Petri_net\"");

    options.fromMaster = false;
    EXPECT_TRUE(wrap(dropTransition(page(), options)).CellExistsU("Prop.QAVType", 1));
}

TEST_F(StencilStructure, OutlinesHaveConnectionPointsAndTheLayoutTables) {
    StencilOptions options;
    options.layoutTable = true;
    options.innerTable = true;
    auto place = dropPlace(page(), options);
    EXPECT_EQ(place->sheet().row(10, 1)->tag, 143);  // an ellipse
    EXPECT_EQ(place->sheet().rowCount(7), 8);
    EXPECT_EQ(place->number("Connections.X2"), place->number("Width"));
    EXPECT_EQ(place->number("User.E100"), 2);
    EXPECT_EQ(place->number("User.W103"), 4);
    EXPECT_EQ(place->number("User.IN101"), 6);
    EXPECT_EQ(formulaOf(place, "User.LO101"), "\"E\"");
    EXPECT_FALSE(hasCell(dropTransition(page()), "User.E100"));
    EXPECT_EQ(dropTransition(page())->sheet().rowCount(7), 4);
}

TEST_F(StencilStructure, AnArcIsAOneDimensionalGroupWithArrowheadsOnItsArrow) {
    StencilOptions options;
    options.begin = {1, 1};
    options.end = {4, 5};
    options.beginArrow = "2";
    options.endArrow = "0";
    auto arc = dropArc(page(), options);
    EXPECT_EQ(arc->Type(), 2);
    EXPECT_TRUE(arc->OneD());
    EXPECT_EQ(arc->number("Width"), 5);
    EXPECT_EQ(subShape(arc, 1)->number("BeginArrow"), 2);
    EXPECT_EQ(subShape(arc, 1)->number("EndArrow"), 0);
    EXPECT_EQ(arc->sheet().rowCount(7), 2);  // other arcs glue onto its ends
    EXPECT_EQ(arc->number("User.TIA_NumberOfTextBoxes"), 1);
    EXPECT_EQ(arc->number("User.TIA_TextBox1"), 2);
    EXPECT_EQ(formulaOf(arc, "User.TIA_TextBox1.Prompt"), "\"Weight\"");
}

TEST_F(StencilStructure, APlaceWithTextBoxesOffersThemToTheTextInputAssistant) {
    StencilOptions options;
    options.markingIn = ValueIn::TextBox;
    auto place = dropPlace(page(), options);
    EXPECT_EQ(place->memberList().size(), 4u);
    EXPECT_EQ(place->number("User.TIA_NumberOfTextBoxes"), 3);
    EXPECT_EQ(place->number("User.TIA_TextBox2"), 3);
    EXPECT_EQ(formulaOf(place, "User.TIA_TextBox2.Prompt"), "\"Tokens\"");
    EXPECT_EQ(formulaOf(place, "User.TIA_TextBox3.Prompt"), "\"Capacity\"");
    EXPECT_EQ(place->number("User.QAV_marking_id"), 3);
    EXPECT_EQ(place->number("User.QAV_capacity"), -1);
    EXPECT_FALSE(hasCell(place, "User.QAV_marking"));
}

TEST_F(StencilStructure, TheTitleBlockServesItsCommandsWithItsOwnIDs) {
    auto block = dropTitleBlock(page());
    EXPECT_EQ(block->id(), 1);
    EXPECT_EQ(block->Name(), "title block");
    ASSERT_EQ(block->memberList().size(), 15u);
    EXPECT_EQ(runAction(block, 0),
              std::make_pair(std::string("QAVSupportTools"), std::string("SINK=TITLEB Sheet.1")));
    visio::ComRef<simhost::Shape> date(child(block.get(), 12));
    EXPECT_EQ(runAction(date, 0).second,
              "SINK=INSTXT Sheet." + std::to_string(date->id()) + " PARAM=DATE");

    visio::ComRef<simhost::Shape> area(child(block.get(), 15));
    simhost::Shape* box = child(area.get(), 1);
    EXPECT_EQ(box->Name(), "Logo");
    EXPECT_EQ(box->id(), 17);
    EXPECT_EQ(runAction(area, 0).second, "SINK=LOGOIn Sheet." + std::to_string(area->id()));
    EXPECT_EQ(runAction(area, 2).second, "SINK=LOGOPS");
    EXPECT_EQ(area->number("Actions.Disabled[3]"), 1);
    EXPECT_EQ(formulaOf(area, "Actions.Menu[4]"), "\"Stretch\"");
}

TEST_F(StencilStructure, TheFrameHoldsATitleBlockAsItsFourthPart) {
    auto frame = dropFrameAndTitleBlock(page());
    EXPECT_EQ(frame->Name(), "frame & title block");
    ASSERT_EQ(frame->memberList().size(), 4u);
    EXPECT_EQ(runAction(frame, 0).second, "SINK=FBLOCK Sheet." + std::to_string(frame->id()));
    simhost::Shape* block = child(frame.get(), 4);
    ASSERT_EQ(block->memberList().size(), 15u);
    EXPECT_FALSE(hasCell(visio::ComRef<simhost::Shape>(block), "Actions.Action"));
    EXPECT_EQ(child(child(block, 15), 1)->Name(), "FrameLogo");
    EXPECT_EQ(child(frame.get(), 3)->memberList().size(), 0u);
}

TEST_F(StencilStructure, TheLayoutShapeOffersTwoRowsAfterItsFirst) {
    StencilOptions options;
    options.firstLayoutRow = 7;
    auto shape = dropLayoutShape(page(), options);
    EXPECT_TRUE(shape->OneD());
    EXPECT_EQ(shape->number("User.RecursionFlag"), 1);
    const std::string argument = "SINK=ALA Sheet." + std::to_string(shape->id()) + " SCMIndex=7";
    EXPECT_EQ(runAction(shape, 6).second, argument);
    EXPECT_EQ(runAction(shape, 7).second, argument);
    EXPECT_EQ(formulaOf(shape, "Actions.Menu[7]"), "\"Horizontal\"");
    EXPECT_EQ(formulaOf(shape, "Actions.Menu[8]"), "\"Vertical\"");
    EXPECT_EQ(shape->number("Actions.Checked[8]"), 0);
    EXPECT_EQ(shape->sheet().rowCount(240), 8);
}

}  // namespace

namespace {

TEST_F(StencilStructure, AnArcsPartsFollowItsEndsWhenTheyMove) {
    StencilOptions options;
    options.begin = {1, 1};
    options.end = {3, 1};
    auto arc = dropArc(page(), options);
    std::string error;
    ASSERT_TRUE(host_.setFormula(*arc.get(), "EndX", "7 in", &error)) << error;
    // The arrow's end, given in the arc's own coordinates, lies on the arc's new end.
    simhost::Shape* arrow = child(arc.get(), 1);
    double x = 0, y = 0;
    wrap(arc).XYToPage(arrow->number("EndX"), arrow->number("EndY"), &x, &y);
    EXPECT_DOUBLE_EQ(x, 7);
    EXPECT_DOUBLE_EQ(y, 1);
    // The weight box stays at the middle.
    EXPECT_DOUBLE_EQ(child(arc.get(), 2)->number("PinX"), 3);
}

}  // namespace
