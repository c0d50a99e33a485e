// Generating the attribute cells that shapes of known stencils lack, by the layouts of
// their masters, and the fix-ups that old shapes get while they are read.
#include <gtest/gtest.h>

#include <string>

#include "model/ShapeAttributes.h"
#include "tests/model/ShapeAttributesFixture.h"

namespace {

using namespace simhost::stencil;

class MissingCellGenerator : public ShapeAttributesFixture {
protected:
    bool readAs(void (ShapeAttributes::*kind)(), const visio::ComRef<simhost::Shape>& shape) {
        ShapeAttributes record;
        (record.*kind)();
        return record.readShape(wrap(shape));
    }
    bool readBlock(const visio::ComRef<simhost::Shape>& s) {
        return readAs(&ShapeAttributes::setBlockDiagram, s);
    }
    bool readPetri(const visio::ComRef<simhost::Shape>& s) {
        return readAs(&ShapeAttributes::setPetriNet, s);
    }
    bool readER(const visio::ComRef<simhost::Shape>& s) {
        return readAs(&ShapeAttributes::setERDiagram, s);
    }
};

TEST_F(MissingCellGenerator, IdentifiersPointWhereTheMastersCarryThem) {
    const std::string id = "User.QAV_Identifier_ID";
    struct Case {
        visio::ComRef<simhost::Shape> shape;
        const char* expected;
    };
    const Case cases[] = {
        {dropBlockActive(page(), without(id, "2.0.0")), "0"},
        {dropBlockPassive(page(), without(id)), "0"},
        {dropBlockConnection(page(), without(id)), "0"},
        {dropAccessArrow(page(), without(id)), "0"},
        {dropChannel(page(), without(id, "2.1.1")), "0"},
        {dropTransition(page(), without(id)), "0"},
        {dropArc(page(), without(id, "2.0.1")), "3"},
        {dropStartEndPlace(page(), without(id)), "0"},
        {dropConnectionPlace(page(), without(id)), "0"},
        {dropERActive(page(), without(id)), "0"},
        {dropERPassive(page(), without(id)), "0"},
        {dropERConnection(page(), without(id)), "0"},
        {dropBinaryRelationship(page(), without(id, "2.1.0")), "9"},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const bool read = readBlock(c.shape) || readPetri(c.shape) || readER(c.shape);
        EXPECT_TRUE(read) << i;
        EXPECT_EQ(formulaOf(c.shape, id), c.expected) << i;
    }
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(MissingCellGenerator, AnArcWithTooFewSubShapesIsNotMendedByItsIdentifier) {
    // The identifier of an arc lives in sub-shape 3; an arc of two has none.
    StencilOptions options = without("User.QAV_Identifier_ID");
    auto arc = dropArc(page(), options);
    subShape(arc, 3)->Delete();
    EXPECT_FALSE(readPetri(arc));
    EXPECT_EQ(formulaOf(arc, "User.QAV_Identifier_ID"), "3");
    ASSERT_EQ(messageBoxes().size(), 1u);
}

TEST_F(MissingCellGenerator, TheStickyManOfABlockWithoutSubShapesIsItsOutline) {
    auto group = dropBlockActive(page(), without("User.QAV_StickyMan"));
    EXPECT_TRUE(readBlock(group));
    EXPECT_EQ(formulaOf(group, "User.QAV_StickyMan"), "2");

    StencilOptions plain = without("User.QAV_StickyMan");
    plain.withSubShapes = false;
    auto box = dropBlockActive(page(), plain);
    EXPECT_TRUE(readBlock(box));
    EXPECT_FALSE(hasCell(box, "User.QAV_StickyMan"));

    StencilOptions neither = plain;
    neither.omit.insert("User.QAV_Outline_ID");
    auto bare = dropBlockActive(page(), neither);
    EXPECT_TRUE(readBlock(bare));
    EXPECT_EQ(formulaOf(bare, "User.QAV_Outline_ID"), "0");
    auto outlined = dropBlockActive(page(), without("User.QAV_Outline_ID"));
    EXPECT_TRUE(readBlock(outlined));
    EXPECT_EQ(formulaOf(outlined, "User.QAV_Outline_ID"), "1");
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(MissingCellGenerator, TheChannelsRequestPartsAreSubShapeFour) {
    StencilOptions options = without("User.QAV_RequestArrow_ID");
    options.omit.insert("User.QAV_RequestText_ID");
    auto channel = dropChannel(page(), options);
    EXPECT_TRUE(readBlock(channel));
    EXPECT_EQ(formulaOf(channel, "User.QAV_RequestArrow_ID"), "4");
    EXPECT_EQ(formulaOf(channel, "User.QAV_RequestText_ID"), "4");
}

TEST_F(MissingCellGenerator, APlacesIdentifierFollowsWhereItKeepsItsMarking) {
    auto cells = dropPlace(page(), without("User.QAV_Identifier_ID"));
    EXPECT_TRUE(readPetri(cells));
    EXPECT_EQ(formulaOf(cells, "User.QAV_Identifier_ID"), "0");

    StencilOptions boxes = without("User.QAV_Identifier_ID");
    boxes.markingIn = ValueIn::TextBox;
    boxes.capacityIn = ValueIn::TextBox;
    auto boxed = dropPlace(page(), boxes);
    EXPECT_TRUE(readPetri(boxed));
    EXPECT_EQ(formulaOf(boxed, "User.QAV_Identifier_ID"), "2");
    EXPECT_TRUE(messageBoxes().empty());

    // Marking cell and marking box together: no layout says where the identifier is.
    StencilOptions both = without("User.QAV_Identifier_ID");
    both.cells["User.QAV_marking_id"] = "3";
    auto mixed = dropPlace(page(), both);
    EXPECT_FALSE(readPetri(mixed));
    EXPECT_FALSE(hasCell(mixed, "User.QAV_Identifier_ID"));
    EXPECT_EQ(messageBoxes().size(), 1u);
}

TEST_F(MissingCellGenerator, AMissingCapacityIsReadFromItsTextBoxOrIsOne) {
    StencilOptions boxed;
    boxed.capacityIn = ValueIn::TextBox;
    boxed.capacity = "4";
    ShapeAttributes record;
    record.setPetriNet();
    auto place = dropPlace(page(), boxed);
    EXPECT_TRUE(record.readShape(wrap(place)));
    EXPECT_EQ(record.getCapacityValue(), 4);
    EXPECT_FALSE(hasCell(place, "User.QAV_capacity"));

    auto start = dropStartEndPlace(page(), without("User.QAV_capacity", "2.0.0"));
    EXPECT_TRUE(readPetri(start));
    EXPECT_EQ(formulaOf(start, "User.QAV_capacity"), "1");
    auto joint = dropConnectionPlace(page(), without("User.QAV_capacity"));
    EXPECT_TRUE(readPetri(joint));
    EXPECT_EQ(formulaOf(joint, "User.QAV_capacity"), "1");
    EXPECT_TRUE(messageBoxes().empty());

    EXPECT_FALSE(readPetri(dropPlace(page(), without("User.QAV_capacity"))));
    ASSERT_EQ(messageBoxes().size(), 1u);
    EXPECT_NE(messageBoxes()[0].text.find("(Missing: User.QAV_capacity)"), std::string::npos);
}

TEST_F(MissingCellGenerator, AStackPlacesIdentifierFollowsItsCapacity) {
    StencilOptions one = without("User.QAV_Identifier_ID");
    one.capacity = "1";
    auto single = dropStackPlace(page(), one);
    EXPECT_TRUE(readPetri(single));
    EXPECT_EQ(formulaOf(single, "User.QAV_Identifier_ID"), "0");

    auto unlimited = dropStackPlace(page(), without("User.QAV_Identifier_ID"));
    EXPECT_TRUE(readPetri(unlimited));
    EXPECT_EQ(formulaOf(unlimited, "User.QAV_Identifier_ID"), "2");

    StencilOptions five = without("User.QAV_Identifier_ID");
    five.capacity = "5";
    auto other = dropStackPlace(page(), five);
    EXPECT_FALSE(readPetri(other));
    EXPECT_FALSE(hasCell(other, "User.QAV_Identifier_ID"));
    EXPECT_EQ(messageBoxes().size(), 1u);
}

// Only missing cells are generated: a present value, valid or not, inherited or the
// shape's own, stays as the user has it, and a count it may not hold reads as
// unacceptable for the checker to show.
TEST_F(MissingCellGenerator, PresentCellsAreNeverReplaced) {
    StencilOptions two = version("2.1.0");
    two.marking = "1+1";
    two.cells["Actions.Action"] = "0";
    auto place = dropPlace(page(), two);
    ShapeAttributes record;
    record.setPetriNet();
    EXPECT_TRUE(record.readShape(wrap(place)));
    EXPECT_EQ(record.getMarkingValue(), -3);
    EXPECT_EQ(formulaOf(place, "User.QAV_marking"), "1+1");
    EXPECT_EQ(formulaOf(place, "Actions.Action"), "0");

    StencilOptions zero;
    zero.cells["User.QAV_capacity"] = "0";
    auto start = dropStartEndPlace(page(), zero);
    EXPECT_TRUE(record.readShape(wrap(start)));
    EXPECT_EQ(record.getCapacityValue(), -3);
    EXPECT_EQ(formulaOf(start, "User.QAV_capacity"), "0");

    StencilOptions seven;
    seven.cells["User.QAV_Identifier_ID"] = "7";
    auto connection = dropConnectionPlace(page(), seven);
    EXPECT_FALSE(readPetri(connection));
    EXPECT_EQ(formulaOf(connection, "User.QAV_Identifier_ID"), "7");

    // An inherited cell that no longer names a sub-shape keeps inheriting.
    auto stack = dropStackPlace(page());
    const visio::VShape stackShape = wrap(stack);
    stackShape.Shapes().Item(stackShape.Shapes().Count()).Delete();
    EXPECT_FALSE(readPetri(stack));
    EXPECT_TRUE(stackShape.CellsU("User.QAV_Identifier_ID").IsInherited());
    // Both are refused with the incomplete-shape message.
    EXPECT_EQ(messageBoxes().size(), 2u);

    // The places of the first stencils keep their marking formula and their action row.
    for (const char* v : {"2.0.0", "2.0.1"}) {
        StencilOptions old = version(v);
        old.cells["User.QAV_marking"] = "0+1";
        old.cells["Actions.Action"] = "0";
        auto first = dropPlace(page(), old);
        EXPECT_TRUE(readPetri(first)) << v;
        EXPECT_EQ(formulaOf(first, "User.QAV_marking"), "0+1") << v;
        EXPECT_EQ(formulaOf(first, "Actions.Action"), "0") << v;
    }
    EXPECT_EQ(messageBoxes().size(), 2u);

    // A missing marking cell is not made up: the shape is incomplete, its actions as
    // they were.
    auto bare = dropPlace(page(), without("User.QAV_marking"));
    const std::string action = formulaOf(bare, "Actions.Action");
    EXPECT_FALSE(readPetri(bare));
    EXPECT_FALSE(hasCell(bare, "User.QAV_marking"));
    EXPECT_EQ(formulaOf(bare, "Actions.Action"), action);
    EXPECT_EQ(messageBoxes().size(), 3u);
}

TEST_F(MissingCellGenerator, UnknownVersionsGetNothingWritten) {
    auto newer = dropChannel(page(), without("User.QAV_RequestArrow_ID", "3.0.0"));
    EXPECT_FALSE(readBlock(newer));
    EXPECT_FALSE(hasCell(newer, "User.QAV_RequestArrow_ID"));
    EXPECT_EQ(messageBoxes().size(), 1u);
}

// Linking an old channel's text to its node is a checker's display, which the checker
// puts back (ConsistencyCheckerTest): a read that no client paints for, as the document
// pass on open, keeps the format the user gave the channel.
TEST_F(MissingCellGenerator, OldChannelsKeepTheirTextFormatWhenNothingPaints) {
    for (const char* v : {"2.0.0", "2.0.1", "2.1.0", "2.1.1"}) {
        auto channel = dropChannel(page(), version(v));
        host_.setFormula(*channel, "Char.Color", "4");
        EXPECT_TRUE(readBlock(channel)) << v;
        EXPECT_EQ(formulaOf(channel, "Char.Color"), "4") << v;
        EXPECT_NE(formulaOf(channel, "Char.Style").find("Sheet."), 0u) << v;
    }
}

TEST_F(MissingCellGenerator, MiscShapesKeepTheirDependentsAndAreNeverElements) {
    auto misc = [&](const std::string& type, int subShapes, const std::string& versionText) {
        StencilOptions options = version(versionText);
        options.miscType = type;
        options.dotSubShapes = subShapes;
        auto shape = dropMisc(page(), options);
        EXPECT_EQ(shape->memberList().size(), type == "dots" ? size_t(subShapes) : 0u);
        EXPECT_FALSE(readBlock(shape)) << type;
        return shape;
    };
    auto request = misc("request_response_symbol", 0, "2.1.1");
    EXPECT_EQ(formulaOf(request, "User.QAV_RequestArrow_ID"), "0");
    EXPECT_EQ(formulaOf(request, "User.QAV_RequestText_ID"), "0");
    auto boundary = misc("protocol_boundary", 0, "3.0.0");
    EXPECT_EQ(formulaOf(boundary, "User.QAV_Identifier_ID"), "0");
    auto five = misc("dots", 5, "2.0.0");
    EXPECT_EQ(formulaOf(five, "User.QAV_NumberOfDots"), "2");
    EXPECT_EQ(formulaOf(five, "User.QAV_IDDot1"), "2");
    EXPECT_EQ(formulaOf(five, "User.QAV_IDDot2"), "3");
    EXPECT_FALSE(hasCell(five, "User.QAV_IDDot3"));
    auto seven = misc("dots", 7, "2.1.1");
    EXPECT_EQ(formulaOf(seven, "User.QAV_NumberOfDots"), "3");
    EXPECT_EQ(formulaOf(seven, "User.QAV_IDDot3"), "4");
    auto six = misc("dots", 6, "2.1.1");
    EXPECT_FALSE(hasCell(six, "User.QAV_NumberOfDots"));
    auto note = misc("annotation", 0, "2.1.1");
    EXPECT_FALSE(hasCell(note, "User.QAV_Identifier_ID"));
    EXPECT_TRUE(messageBoxes().empty());
}

}  // namespace
