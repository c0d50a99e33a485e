// Reading shapes of the notation into the attribute record: which shapes are elements of
// the expected kind, the incomplete-shape message, the range rules of the attribute
// readers, what the queries answer, and the registration of accepted shapes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/SavedFormulaIndex.h"
#include "model/ShapeAttributes.h"
#include "platform/ui/WinApiConstants.h"
#include "tests/model/ShapeAttributesFixture.h"

namespace {

using namespace simhost::stencil;

class ShapeAttributesRead : public ShapeAttributesFixture {
protected:
    ShapeAttributesRead() { record.setPetriNet(); }
    bool read(const visio::ComRef<simhost::Shape>& shape) { return record.readShape(wrap(shape)); }

    ShapeAttributes record;
};

TEST_F(ShapeAttributesRead, ShapesThatAreNotElementsOfTheKindAreSkippedSilently) {
    StencilOptions generic;
    generic.cells["User.QAV_DrawingType.Prompt"] = "\"QAV-QAV_diagram\"";
    StencilOptions unknownType;
    unknownType.cells["Prop.QAVType"] = "\"Active\"";
    StencilOptions erSlot;  // the empty slots of the ER row name no type
    erSlot.cells["Prop.QAVType"] = "\"\"";

    EXPECT_FALSE(read(dropBlockActive(page())));
    EXPECT_FALSE(read(dropTransition(page(), generic)));
    EXPECT_FALSE(read(dropTransition(page(), unknownType)));
    EXPECT_FALSE(read(dropTransition(page(), without("User.QAV_DrawingType.Prompt"))));
    EXPECT_FALSE(read(dropTransition(page(), without("Prop.QAVType"))));
    EXPECT_FALSE(read(dropTransition(page(), without("User.QAV_ST_Version"))));
    EXPECT_FALSE(read(add(simhost::ShapeSpec::box(1, 1, 1, 1))));
    ShapeAttributes er;
    er.setERDiagram();
    EXPECT_FALSE(er.readShape(wrap(dropERActive(page(), erSlot))));
    EXPECT_TRUE(messageBoxes().empty());
    EXPECT_TRUE(read(dropTransition(page())));
}

// The document pass's record takes the generic type, and each shape its own kind.
TEST_F(ShapeAttributesRead, TheGenericTypeAcceptsEveryKind) {
    StencilOptions generic;
    generic.cells["User.QAV_DrawingType.Prompt"] = "\"QAV-QAV_diagram\"";
    auto block = dropBlockPassive(page());
    auto petri = dropTransition(page());
    auto er = dropERPassive(page());
    auto neither = dropTransition(page(), generic);
    ShapeAttributes any;
    EXPECT_FALSE(any.updateDocument(wrap(document_)));
    EXPECT_TRUE(any.readShape(wrap(block)) && any.isBlockPassive());
    EXPECT_TRUE(any.readShape(wrap(petri)) && any.isPetriActive());
    EXPECT_TRUE(any.readShape(wrap(er)) && any.isERPassive());
    EXPECT_FALSE(any.readShape(wrap(neither)));
}

TEST_F(ShapeAttributesRead, AnIncompleteShapeIsReportedWithTheCellLastTried) {
    StencilOptions options = without("User.QAV_Identifier_ID", "3.0.0");
    options.text = "Store";
    auto passive = dropPlace(page(), options);
    EXPECT_FALSE(read(passive));
    ASSERT_EQ(messageBoxes().size(), 1u);
    const auto& box = messageBoxes()[0];
    EXPECT_EQ(box.text, "Attributes of shape \"Store\" with ID " + std::to_string(passive->id()) +
                            " are not complete and could not be generated! \n(Missing: "
                            "User.QAV_Identifier_ID) \n\n Ignoring that shape!");
    EXPECT_EQ(box.caption, "QAV Tools 2.1.1");
    EXPECT_EQ(box.type & ui::kMbIconMask, ui::kMbIconStop);
    EXPECT_EQ(box.type & ui::kMbButtonsMask, ui::kMbOk);
    EXPECT_FALSE(static_cast<bool>(box.owner));
    EXPECT_EQ(box.buttonTexts(), std::vector<std::string>{"OK"});

    // The capacity cell is replaced by its text box, whose index is out of range.
    StencilOptions boxed;
    boxed.capacityIn = ValueIn::TextBox;
    boxed.cells["User.QAV_capacity_id"] = "9";
    EXPECT_FALSE(read(dropPlace(page(), boxed)));
    ASSERT_EQ(messageBoxes().size(), 2u);
    EXPECT_NE(messageBoxes()[1].text.find("(Missing: User.QAV_capacity_id)"), std::string::npos);
}

// A present index that names nothing the shape has is the user's and stays; the shape is
// refused with the message a missing cell gets, not left out of the diagram unsaid.
TEST_F(ShapeAttributesRead, AnInvalidCellIsReportedAndKept) {
    StencilOptions arrow;
    arrow.cells["User.QAV_arrow_id"] = "4";
    StencilOptions negative = version("3.0.0");
    negative.cells["User.QAV_Identifier_ID"] = "-1";
    EXPECT_FALSE(read(dropArc(page(), arrow)));
    EXPECT_FALSE(read(dropTransition(page(), negative)));
    ASSERT_EQ(messageBoxes().size(), 2u);
    EXPECT_NE(messageBoxes()[0].text.find("(Missing: User.QAV_arrow_id)"), std::string::npos);
    EXPECT_NE(messageBoxes()[1].text.find("(Missing: User.QAV_Identifier_ID)"), std::string::npos);

    // A known layout does not put its own value in place of the user's.
    negative.version = "2.1.1";
    auto transition = dropTransition(page(), negative);
    EXPECT_FALSE(read(transition));
    EXPECT_EQ(formulaOf(transition, "User.QAV_Identifier_ID"), "-1");
    EXPECT_EQ(messageBoxes().size(), 3u);
}

// A count out of its range reads as unacceptable, for the checker to show on the place.
TEST_F(ShapeAttributesRead, CapacityAndMarkingCellsMustHoldTheirRange) {
    auto capacity = [&](const std::string& formula) {
        StencilOptions options;
        options.capacity = formula;
        EXPECT_TRUE(read(dropPlace(page(), options))) << formula;
        return record.getCapacityValue();
    };
    EXPECT_EQ(capacity("-1"), -1);
    EXPECT_EQ(capacity("1"), 1);
    EXPECT_EQ(capacity("7.9"), -3) << "no whole number: not read as 7";
    EXPECT_EQ(capacity("0.1*30"), 3) << "arithmetic's hair off a whole number";
    EXPECT_EQ(capacity("2147483647"), 2147483647);
    EXPECT_EQ(capacity("0"), -3);
    EXPECT_EQ(capacity("-2"), -3);

    StencilOptions marked;
    marked.marking = "1";
    auto place = dropPlace(page(), marked);
    ASSERT_TRUE(read(place));
    EXPECT_EQ(record.getMarkingValue(), 1);
    EXPECT_EQ(record.getMarkingText(), "User.QAV_marking");
    EXPECT_EQ(record.getMarkingCellShapeID(), place->id());
    // Two tokens do not fit a marking cell, and 1.9999 is not one token.
    for (const char* marking : {"2", "1.9999", "0.5"}) {
        StencilOptions odd;
        odd.marking = marking;
        EXPECT_TRUE(read(dropPlace(page(), odd)));
        EXPECT_EQ(record.getMarkingValue(), -3) << marking;
    }
    EXPECT_TRUE(messageBoxes().empty());
    // An index that is no whole number names no sub-shape.
    StencilOptions half;
    half.cells["User.QAV_arrow_id"] = "1.5";
    EXPECT_FALSE(read(dropArc(page(), half)));
}

// Past 32 bits a count cannot be held: it reads as unacceptable, for the checker to
// report, and neither a generator nor the old stencils' marking fix writes another
// number over it.
TEST_F(ShapeAttributesRead, CountCellsPast32BitsAreRefusedAndKept) {
    for (const char* stencil : {"2.1.1", "2.0.0"}) {
        for (const std::string count : {"4294967296", "-99999999999"}) {
            SCOPED_TRACE(std::string(stencil) + " " + count);
            StencilOptions marked = version(stencil);
            marked.marking = count;
            auto place = dropPlace(page(), marked);
            EXPECT_TRUE(read(place));
            EXPECT_EQ(record.getMarkingValue(), -3);
            EXPECT_EQ(formulaOf(place, "User.QAV_marking"), count);
            StencilOptions bounded = version(stencil);
            bounded.cells["User.QAV_capacity"] = count;
            auto startEnd = dropStartEndPlace(page(), bounded);
            EXPECT_TRUE(read(startEnd));
            EXPECT_EQ(record.getCapacityValue(), -3);
            EXPECT_EQ(formulaOf(startEnd, "User.QAV_capacity"), count);
        }
    }
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(ShapeAttributesRead, ReadingTheSameShapeAgainKeepsWhatTheLastReadFound) {
    StencilOptions marked;
    marked.marking = "1";
    auto place = dropPlace(page(), marked);
    ASSERT_TRUE(read(place));
    place->setCell("User.QAV_marking", "2");
    EXPECT_TRUE(read(place));
    EXPECT_EQ(record.getMarkingValue(), -3);
    EXPECT_EQ(record.getMarkingText(), "User.QAV_marking");
    EXPECT_EQ(record.getMarkingCellShapeID(), place->id());

    EXPECT_TRUE(read(dropTransition(page())));
    EXPECT_EQ(record.getMarkingText(), "");
    EXPECT_EQ(record.getMarkingValue(), -1);
    EXPECT_EQ(record.getCapacityValue(), -2);
    EXPECT_EQ(record.getArcWeightValue(), -4);
}

TEST_F(ShapeAttributesRead, TheQueriesNameTheSubShapesOfTheLayout) {
    StencilOptions options;
    options.text = "a1";
    options.weight = "2";
    auto arc = dropArc(page(), options);
    ASSERT_TRUE(read(arc));
    EXPECT_TRUE(record.isPetriConnection());
    EXPECT_EQ(record.getArrowShape().ID(), subShape(arc, 1)->id());
    EXPECT_EQ(record.getArcWeightShape().ID(), subShape(arc, 2)->id());
    EXPECT_EQ(record.getArcWeightShapeID(), subShape(arc, 2)->id());
    EXPECT_EQ(record.getArcWeightValue(), 2);
    EXPECT_EQ(record.getIdentifierID(), subShape(arc, 3)->id());
    EXPECT_EQ(record.getIdentifier(), "a1");

    auto joint = dropConnectionPlace(page(), options);
    ASSERT_TRUE(read(joint));
    EXPECT_EQ(record.getFirstEdgeShape().ID(), subShape(joint, 1)->id());
    EXPECT_EQ(record.getPlaceShape().ID(), subShape(joint, 2)->id());
    EXPECT_EQ(record.getSecondEdgeShape().ID(), subShape(joint, 3)->id());
    EXPECT_EQ(record.getIdentifierID(), 0);
    EXPECT_EQ(record.getCapacityValue(), 1);

    ShapeAttributes block;
    block.setBlockDiagram();
    auto channel = dropChannel(page(), options);
    ASSERT_TRUE(block.readShape(wrap(channel)));
    EXPECT_EQ(block.getChannelShape().ID(), subShape(channel, 2)->id());
    EXPECT_EQ(block.getRequestArrowShape().ID(), subShape(channel, 4)->id());
    EXPECT_EQ(block.getSecondEdgeShape().ID(), subShape(channel, 3)->id());

    ShapeAttributes er;
    er.setERDiagram();
    auto relationship = dropBinaryRelationship(page(), options);
    ASSERT_TRUE(er.readShape(wrap(relationship)));
    EXPECT_EQ(er.getRelationShape().ID(), subShape(relationship, 9)->id());
    EXPECT_EQ(er.getIdentifierID(), subShape(relationship, 9)->id());
    EXPECT_EQ(er.getIdentifier(), "a1");
}

// Index 0 names no sub-shape: a weight box that is none reads as empty, while an arrow,
// edge or node the diagram is built from must be one, or the shape is refused and said.
TEST_F(ShapeAttributesRead, IndexZeroKeepsNoSubShape) {
    StencilOptions weightless;
    weightless.cells["User.QAV_ARCWEIGHT_id"] = "0";
    ASSERT_TRUE(read(dropArc(page(), weightless)));
    EXPECT_EQ(record.getArcWeightValue(), 1);
    EXPECT_EQ(record.getArcWeightShapeID(), 0);
    EXPECT_TRUE(messageBoxes().empty());

    StencilOptions arrowless;
    arrowless.cells["User.QAV_arrow_id"] = "0";
    EXPECT_FALSE(read(dropArc(page(), arrowless)));
    StencilOptions placeless;
    placeless.cells["User.QAV_place_id"] = "0";
    EXPECT_FALSE(read(dropConnectionPlace(page(), placeless)));
    StencilOptions edgeless;
    edgeless.cells["User.QAV_firstedge_id"] = "0";
    EXPECT_FALSE(read(dropStartEndPlace(page(), edgeless)));
    EXPECT_EQ(messageBoxes().size(), 3u);
}

TEST_F(ShapeAttributesRead, AnAcceptedShapeRegistersItsSubShapesDepthFirst) {
    SavedFormulaIndex index;
    record.setOwner(&index);
    StencilOptions boxes;
    boxes.markingIn = ValueIn::TextBox;
    boxes.capacityIn = ValueIn::TextBox;
    auto place = dropPlace(page(), boxes);
    ASSERT_TRUE(read(place));
    std::vector<int32_t> members;
    for (size_t i = 1; i <= 4; ++i) members.push_back(subShape(place, i)->id());
    EXPECT_EQ(index.collectSubShapes(place->id()), members);
    EXPECT_EQ(index.collectSubShapes(0), members);

    // A rejected shape is not registered.
    EXPECT_FALSE(read(dropPlace(page(), without("User.QAV_capacity"))));
    EXPECT_EQ(index.collectSubShapes(0), members);
}

}  // namespace
