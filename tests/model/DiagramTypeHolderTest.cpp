// Deciding the drawing type of a page, the question about pages that mix kinds, and the
// model the holder reads, keeps, replaces and deletes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/DiagramTypeHolder.h"
#include "model/GEAdjacencyMatrix.h"
#include "model/GEPlace.h"
#include "model/SavedFormulaIndex.h"
#include "platform/ui/WinApiConstants.h"
#include "simhost/host/ShapeSpec.h"
#include "tests/model/DiagramModelFixture.h"

namespace {

using namespace simhost::stencil;
using simhost::ShapeSpec;

constexpr char kQuestion[] =
    "Your Drawing contains elements from different drawing types.\n\n"
    "Please choose the drawing type you wish to check.";

class DiagramTypeHolderTest : public DiagramModelFixture {
protected:
    void identify() { holder.identifyDiagramType(pageShapes()); }
    std::string type() const {
        if (holder.isBlockDiagram()) return "block";
        if (holder.isPetriNet()) return "petri";
        if (holder.isERDiagram()) return "er";
        return "";
    }

    DiagramTypeHolder holder;
};

TEST_F(DiagramTypeHolderTest, OneKindIsTakenWithoutAQuestion) {
    EXPECT_EQ(type(), "");
    identify();
    EXPECT_EQ(type(), "block");  // no shape of the notation at all
    auto transition = dropTransition(page(), at(1, 1));
    identify();
    EXPECT_EQ(type(), "petri");
    host_.deleteShape(*transition);
    dropERActive(page(), at(1, 1));
    dropERPassive(page(), at(3, 1));
    identify();
    EXPECT_EQ(type(), "er");
    EXPECT_TRUE(messageBoxes().empty());
}

// Plain groups are searched; a shape that names a drawing type is not, even as a group,
// and a text that names no kind counts for none.
TEST_F(DiagramTypeHolderTest, ScanningSearchesPlainGroupsOnly) {
    auto plain = add(ShapeSpec::group(3, 3, 4, 4));
    Options inGroup = at(1, 1);
    inGroup.group = plain.get();
    dropTransition(page(), inGroup);
    auto named =
        add(ShapeSpec::group(8, 3, 4, 4).cell("User.QAV_DrawingType.Prompt", "\"QAV-ER_diagram\""));
    inGroup.group = named.get();
    dropBlockPassive(page(), inGroup);
    add(ShapeSpec::box(1, 8, 1, 1).cell("User.QAV_DrawingType.Prompt", "\"QAV-QAV_diagram\""));

    bool block = false;
    bool petri = false;
    bool er = false;
    holder.scanDrawingTypes(pageShapes(), block, petri, er);
    EXPECT_FALSE(block);
    EXPECT_TRUE(petri);
    EXPECT_TRUE(er);
    // Flags already set stay set.
    block = true;
    holder.scanDrawingTypes(pageShapes(), block, petri, er);
    EXPECT_TRUE(block);
}

TEST_F(DiagramTypeHolderTest, APageThatMixesTwoKindsAsks) {
    dropBlockActive(page(), at(1, 1));
    dropTransition(page(), at(4, 1));
    backend_.answerMessageBoxByNumber(2);
    identify();
    EXPECT_EQ(type(), "petri");
    ASSERT_EQ(messageBoxes().size(), 1u);
    const auto& box = messageBoxes()[0];
    EXPECT_EQ(box.text, kQuestion);
    EXPECT_EQ(box.caption, "Identify your Diagram type");
    EXPECT_EQ(box.type & ui::kMbIconMask, ui::kMbIconInformation);
    EXPECT_FALSE(box.owner);
    EXPECT_EQ(box.buttonTexts(), (std::vector<std::string>{"Block diagram", "Petri Net"}));

    // Escape cannot close it without a choice.
    backend_.answerMessageBoxByEscape();
    identify();
    EXPECT_EQ(type(), "block");
    ASSERT_EQ(messageBoxes().size(), 2u);
}

TEST_F(DiagramTypeHolderTest, EachPairOfKindsOffersItsTwoButtons) {
    auto petri = dropTransition(page(), at(4, 1));
    dropERActive(page(), at(7, 1));
    backend_.answerMessageBoxByNumber(2);
    identify();
    EXPECT_EQ(type(), "er");
    EXPECT_EQ(messageBoxes().back().buttonTexts(),
              (std::vector<std::string>{"Petri Net", "ER diagram"}));

    host_.deleteShape(*petri);
    dropBlockPassive(page(), at(1, 1));
    backend_.answerMessageBoxByNumber(1);
    identify();
    EXPECT_EQ(type(), "block");
    EXPECT_EQ(messageBoxes().back().buttonTexts(),
              (std::vector<std::string>{"Block diagram", "ER diagram"}));
}

TEST_F(DiagramTypeHolderTest, AllThreeKindsOfferThreeButtonsAndEscapeChoosesER) {
    dropBlockActive(page(), at(1, 1));
    dropTransition(page(), at(4, 1));
    dropERActive(page(), at(7, 1));
    backend_.answerMessageBoxByEscape();
    identify();
    EXPECT_EQ(type(), "er");
    EXPECT_EQ(messageBoxes().back().buttonTexts(),
              (std::vector<std::string>{"Block diagram", "Petri Net", "ER diagram"}));
    backend_.answerMessageBoxByNumber(2);
    identify();
    EXPECT_EQ(type(), "petri");
}

TEST_F(DiagramTypeHolderTest, TheModelIsReadKeptAndDeleted) {
    EXPECT_EQ(holder.getActive(), nullptr);
    EXPECT_EQ(holder.getSavedFormulaIndex(), nullptr);
    auto place = dropPlace(page(), at(1, 1));
    auto transition = dropTransition(page(), at(5, 1));
    auto arc = dropArc(page(), from(1, 1, 5, 1));
    glueBegin(arc, place);
    glueEnd(arc, transition);
    dropBlockPassive(page(), at(9, 9));  // another kind: an other shape of a Petri net
    identify();
    ASSERT_EQ(messageBoxes().size(), 1u);  // block or Petri net? the first button: block
    holder.setType("QAV-Petri_net");

    CellAddressTable table;
    table.addUnique(visio::visSectionObject, visio::visRowLine, visio::visLineColor);
    holder.createModel(pageShapes(), CellAddressTableMap{{1, &table}});
    ASSERT_NE(holder.getActive(), nullptr);
    EXPECT_EQ(holder.getActive()->getCount(), 1);
    EXPECT_NE(dynamic_cast<GEPlace*>(holder.getPassive()->getByID(place->id())), nullptr);
    EXPECT_EQ(holder.getArcs()->getCount(), 1);
    EXPECT_EQ(holder.getOtherShapes()->getCount(), 1);
    EXPECT_EQ(holder.getAdjacencyMatrix()->getSize(), 3);
    EXPECT_EQ(holder.getSavedFormulaIndex()->getRecordCount(place->id()), 1);

    // A second read replaces the first model.
    holder.setType("QAV-Block_diagram");
    holder.createModel(pageShapes(), CellAddressTableMap());
    EXPECT_EQ(holder.getActive()->getCount(), 0);
    EXPECT_EQ(holder.getPassive()->getCount(), 1);
    EXPECT_EQ(holder.getSavedFormulaIndex()->getRecordCount(place->id()), 0);

    holder.deleteModel();
    EXPECT_EQ(holder.getArcs(), nullptr);
    EXPECT_TRUE(holder.isBlockDiagram());  // the type outlives the model
    holder.deleteModel();

    // A type that names no kind reads no model.
    holder.setType("QAV-QAV_diagram");
    holder.createModel(pageShapes(), CellAddressTableMap());
    EXPECT_EQ(holder.getActive(), nullptr);
    EXPECT_EQ(type(), "");
}

TEST_F(DiagramTypeHolderTest, ERPagesAreReadAsERModels) {
    auto entity = dropERPassive(page(), at(1, 1));
    auto relation = dropERActive(page(), at(4, 1));
    identify();
    holder.createModel(pageShapes(), CellAddressTableMap());
    EXPECT_NE(holder.getPassive()->getByID(entity->id()), nullptr);
    EXPECT_NE(holder.getActive()->getByID(relation->id()), nullptr);
}

}  // namespace
