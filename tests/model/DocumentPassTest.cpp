// The document pass: every notation shape of every page is completed and brought up to
// date without a model and without a question, and the pass tells whether it had to
// change anything.
#include <gtest/gtest.h>

#include "model/ShapeAttributes.h"
#include "simhost/host/Document.h"
#include "tests/model/ShapeAttributesFixture.h"

namespace {

using namespace simhost::stencil;

class DocumentPass : public ShapeAttributesFixture {
protected:
    bool pass() {
        ShapeAttributes record;
        return record.updateDocument(wrap(document_));
    }
    visio::ComRef<simhost::Shape> plainGroup() {
        return add(
            simhost::ShapeSpec::group(4, 4, 2, 2).member(simhost::ShapeSpec::box(1, 1, 1, 1)));
    }
};

TEST_F(DocumentPass, ADocumentOfCompleteShapesNeedsNoChange) {
    StencilOptions text;
    text.weight = "07";
    dropBlockActive(page());
    dropChannel(page());
    dropPlace(page());
    auto arc = dropArc(page(), text);
    dropStackPlace(page());
    dropBinaryRelationship(page());
    add(simhost::ShapeSpec::box(1, 1, 1, 1));
    EXPECT_FALSE(pass());
    // Reading leaves the user's text as typed.
    EXPECT_EQ(subShape(arc, 2)->text(), "07");
    EXPECT_TRUE(messageBoxes().empty());
}

// A place that keeps its marking and capacity in text boxes lacks their cells: the
// boxes are read in their place and nothing is written, so nothing changed.
TEST_F(DocumentPass, APlaceReadFromItsTextBoxesNeedsNoChange) {
    StencilOptions text;
    text.markingIn = ValueIn::TextBox;
    text.capacityIn = ValueIn::TextBox;
    text.capacity = "3";
    auto place = dropPlace(page(), text);
    EXPECT_FALSE(pass());
    EXPECT_FALSE(hasCell(place, "User.QAV_marking"));
    EXPECT_FALSE(hasCell(place, "User.QAV_capacity"));
}

TEST_F(DocumentPass, MissingCellsOfEveryPageAreGenerated) {
    auto first = dropTransition(page(), without("User.QAV_Identifier_ID"));
    auto second = host_.addPage(*document_.get());
    auto channel = dropChannel(*second.get(), without("User.QAV_RequestText_ID", "2.0.1"));
    EXPECT_TRUE(pass());
    EXPECT_EQ(formulaOf(first, "User.QAV_Identifier_ID"), "0");
    EXPECT_EQ(formulaOf(channel, "User.QAV_RequestText_ID"), "4");
    // Every required cell is visited, also after one that cannot be generated.
    StencilOptions broken = without("User.QAV_firstedge_id");
    broken.omit.insert("User.QAV_RequestArrow_ID");
    auto another = dropChannel(*second.get(), broken);
    EXPECT_TRUE(pass());
    EXPECT_EQ(formulaOf(another, "User.QAV_RequestArrow_ID"), "4");
    EXPECT_FALSE(pass());
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(DocumentPass, WhatCannotBeGeneratedStaysSilently) {
    auto newer = dropTransition(page(), without("User.QAV_Identifier_ID", "3.0.0"));
    auto arc = dropArc(page(), without("User.QAV_arrow_id"));
    EXPECT_FALSE(pass());
    EXPECT_FALSE(hasCell(newer, "User.QAV_Identifier_ID"));
    EXPECT_FALSE(hasCell(arc, "User.QAV_arrow_id"));
    EXPECT_TRUE(messageBoxes().empty());
}

// A present cell is the user's, valid or not: the pass writes nothing in its place and
// so changes nothing.
TEST_F(DocumentPass, PresentCellsAreLeftAsTheyAreAndAreNoChange) {
    StencilOptions arrow;
    arrow.cells["User.QAV_arrow_id"] = "5";
    auto arc = dropArc(page(), arrow);
    StencilOptions old = version("2.0.0");
    old.cells["User.QAV_marking"] = "0+1";
    auto place = dropPlace(page(), old);
    StencilOptions zero;
    zero.cells["User.QAV_capacity"] = "0";
    auto start = dropStartEndPlace(page(), zero);
    EXPECT_FALSE(pass());
    EXPECT_EQ(formulaOf(arc, "User.QAV_arrow_id"), "5");
    EXPECT_EQ(formulaOf(place, "User.QAV_marking"), "0+1");
    EXPECT_EQ(formulaOf(start, "User.QAV_capacity"), "0");
}

// The cells a misc shape's kind implies are added where it lacks them, once.
TEST_F(DocumentPass, AMiscShapeCountsWhileItLacksItsDependents) {
    StencilOptions dots;
    dots.miscType = "dots";
    dots.dotSubShapes = 7;
    auto misc = dropMisc(page(), dots);
    EXPECT_TRUE(pass());
    EXPECT_EQ(formulaOf(misc, "User.QAV_NumberOfDots"), "3");
    EXPECT_FALSE(pass());
    misc->setCell("User.QAV_NumberOfDots", "5");
    EXPECT_FALSE(pass());
    EXPECT_EQ(formulaOf(misc, "User.QAV_NumberOfDots"), "5");
}

TEST_F(DocumentPass, PlainGroupsAreSearchedAndNotationShapesAreNot) {
    auto group = plainGroup();
    StencilOptions inGroup = without("User.QAV_Identifier_ID");
    inGroup.group = group.get();
    auto grouped = dropERPassive(page(), inGroup);
    // A group that names the generic type is no notation shape either.
    StencilOptions generic;
    generic.cells["User.QAV_DrawingType.Prompt"] = "\"QAV-QAV_diagram\"";
    auto genericGroup = dropBlockActive(page(), generic);
    StencilOptions inGeneric = without("User.QAV_Identifier_ID");
    inGeneric.group = genericGroup.get();
    auto insideGeneric = dropTransition(page(), inGeneric);
    // A notation shape inside a notation shape belongs to it.
    auto block = dropBlockActive(page());
    StencilOptions nested = without("User.QAV_Identifier_ID");
    nested.group = block.get();
    auto inside = dropBlockPassive(page(), nested);

    EXPECT_TRUE(pass());
    EXPECT_EQ(formulaOf(grouped, "User.QAV_Identifier_ID"), "0");
    EXPECT_EQ(formulaOf(insideGeneric, "User.QAV_Identifier_ID"), "0");
    EXPECT_FALSE(hasCell(inside, "User.QAV_Identifier_ID"));
}

}  // namespace
