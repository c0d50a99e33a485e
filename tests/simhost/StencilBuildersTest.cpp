// The stand-in masters of the notation: complete shapes of every builder are read as the
// element they stand for in every stencil version the add-on accepts and rejected in the
// others; a shape that lacks a required cell is completed only where a known layout
// allows it, and reported otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "model/ShapeAttributes.h"
#include "tests/model/ShapeAttributesFixture.h"

namespace {

using namespace simhost::stencil;

using Builder = visio::ComRef<simhost::Shape> (*)(simhost::Page&, const StencilOptions&,
                                                  std::string*);
using KindSetter = void (ShapeAttributes::*)();
using Predicate = bool (ShapeAttributes::*)() const;

struct BuilderCase {
    const char* name;
    Builder drop;
    KindSetter kind;
    Predicate is;
    // The required cells, and those a known stencil's layout lets the reader generate.
    std::vector<std::string> required;
    std::set<std::string> generable;
    ValueIn markingIn = ValueIn::Cell;
    ValueIn capacityIn = ValueIn::Cell;
    // A place that keeps its marking and capacity in text boxes lacks the marking and
    // capacity cells, which only the known layouts let the reader replace by the boxes.
    bool readInNewerVersions = true;
};

void PrintTo(const BuilderCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kId = "User.QAV_Identifier_ID";

const std::vector<BuilderCase>& cases() {
    static const std::vector<BuilderCase> all = {
        {"BlockActive",
         &dropBlockActive,
         &ShapeAttributes::setBlockDiagram,
         &ShapeAttributes::isBlockActive,
         {kId, "User.QAV_Outline_ID", "User.QAV_StickyMan"},
         {kId, "User.QAV_Outline_ID", "User.QAV_StickyMan"}},
        {"BlockPassive",
         &dropBlockPassive,
         &ShapeAttributes::setBlockDiagram,
         &ShapeAttributes::isBlockPassive,
         {kId},
         {kId}},
        {"BlockConnection",
         &dropBlockConnection,
         &ShapeAttributes::setBlockDiagram,
         &ShapeAttributes::isBlockConnection,
         {kId},
         {kId}},
        {"AccessArrow",
         &dropAccessArrow,
         &ShapeAttributes::setBlockDiagram,
         &ShapeAttributes::isBlockAccess,
         {kId},
         {kId}},
        {"Channel",
         &dropChannel,
         &ShapeAttributes::setBlockDiagram,
         &ShapeAttributes::isBlockChannel,
         {kId, "User.QAV_firstedge_id", "User.QAV_channel_id", "User.QAV_secondedge_id",
          "User.QAV_RequestArrow_ID", "User.QAV_RequestText_ID"},
         {kId, "User.QAV_RequestArrow_ID", "User.QAV_RequestText_ID"}},
        {"Transition",
         &dropTransition,
         &ShapeAttributes::setPetriNet,
         &ShapeAttributes::isPetriActive,
         {kId},
         {kId}},
        {"PlaceWithCells",
         &dropPlace,
         &ShapeAttributes::setPetriNet,
         &ShapeAttributes::isPetriPassive,
         {kId, "User.QAV_marking", "User.QAV_capacity"},
         {kId}},
        {"PlaceWithTextBoxes",
         &dropPlace,
         &ShapeAttributes::setPetriNet,
         &ShapeAttributes::isPetriPassive,
         {kId, "User.QAV_marking_id", "User.QAV_capacity_id"},
         {kId},
         ValueIn::TextBox,
         ValueIn::TextBox,
         false},
        {"Arc",
         &dropArc,
         &ShapeAttributes::setPetriNet,
         &ShapeAttributes::isPetriConnection,
         {kId, "User.QAV_arrow_id", "User.QAV_ARCWEIGHT_id"},
         {kId}},
        {"StartEndPlace",
         &dropStartEndPlace,
         &ShapeAttributes::setPetriNet,
         &ShapeAttributes::isStartEndPlace,
         {kId, "User.QAV_firstedge_id", "User.QAV_place_id", "User.QAV_marking",
          "User.QAV_capacity"},
         {kId, "User.QAV_capacity"}},
        {"ConnectionPlace",
         &dropConnectionPlace,
         &ShapeAttributes::setPetriNet,
         &ShapeAttributes::isConnectionPlace,
         {kId, "User.QAV_firstedge_id", "User.QAV_place_id", "User.QAV_secondedge_id",
          "User.QAV_marking", "User.QAV_capacity"},
         {kId, "User.QAV_capacity"}},
        {"StackPlace",
         &dropStackPlace,
         &ShapeAttributes::setPetriNet,
         &ShapeAttributes::isStackPlace,
         {kId, "User.QAV_capacity"},
         {kId}},
        {"ERActive",
         &dropERActive,
         &ShapeAttributes::setERDiagram,
         &ShapeAttributes::isERActive,
         {kId},
         {kId}},
        {"ERPassive",
         &dropERPassive,
         &ShapeAttributes::setERDiagram,
         &ShapeAttributes::isERPassive,
         {kId},
         {kId}},
        {"ERConnection",
         &dropERConnection,
         &ShapeAttributes::setERDiagram,
         &ShapeAttributes::isERConnection,
         {kId},
         {kId}},
        {"BinaryRelationship",
         &dropBinaryRelationship,
         &ShapeAttributes::setERDiagram,
         &ShapeAttributes::isBinRelationship,
         {kId, "User.QAV_firstedge_id", "User.QAV_relation_id", "User.QAV_secondedge_id"},
         {kId}},
    };
    return all;
}

const std::vector<std::string> kKnownVersions = {"2.0.0", "2.0.1", "2.1.0", "2.1.1"};
const std::vector<std::string> kNewerVersions = {"2.1.2", "3.0.0", " 2.2.0"};
const std::vector<std::string> kRejectedVersions = {"2.0.5",  "1.9.9", "2.1",   "2.1.1.0",
                                                    "2.1.01", "abc",   "-3.0.0"};

class StencilBuilders : public ShapeAttributesFixture,
                        public ::testing::WithParamInterface<BuilderCase> {
protected:
    StencilOptions options(const std::string& versionText) const {
        StencilOptions o = version(versionText);
        o.text = "E1";
        o.markingIn = GetParam().markingIn;
        o.capacityIn = GetParam().capacityIn;
        return o;
    }
    bool read(const StencilOptions& o, std::string* problems) {
        ShapeAttributes record;
        (record.*GetParam().kind)();
        const bool accepted = record.readShape(wrap(GetParam().drop(page(), o, problems)));
        return accepted && (record.*GetParam().is)();
    }
};

bool isKnown(const std::string& v) {
    return std::find(kKnownVersions.begin(), kKnownVersions.end(), v) != kKnownVersions.end();
}

TEST_P(StencilBuilders, CompleteShapesAreReadInEveryAcceptedVersion) {
    for (const std::string& v : kKnownVersions) {
        std::string problems;
        EXPECT_TRUE(read(options(v), &problems)) << v;
        EXPECT_EQ(problems, "") << v;
    }
    EXPECT_TRUE(messageBoxes().empty());
    for (const std::string& v : kNewerVersions) {
        EXPECT_EQ(read(options(v), nullptr), GetParam().readInNewerVersions) << v;
    }
    const size_t reported = GetParam().readInNewerVersions ? 0 : kNewerVersions.size();
    EXPECT_EQ(messageBoxes().size(), reported);
    for (const std::string& v : kRejectedVersions) EXPECT_FALSE(read(options(v), nullptr)) << v;
    EXPECT_EQ(messageBoxes().size(), reported);
}

TEST_P(StencilBuilders, AMissingCellIsGeneratedOnlyForKnownLayouts) {
    std::vector<std::string> versions = kKnownVersions;
    versions.insert(versions.end(), kNewerVersions.begin(), kNewerVersions.end());
    for (const std::string& cell : GetParam().required) {
        for (const std::string& v : versions) {
            StencilOptions o = options(v);
            o.omit.insert(cell);
            const bool expected = isKnown(v) && GetParam().generable.count(cell) > 0;
            const size_t boxesBefore = messageBoxes().size();
            EXPECT_EQ(read(o, nullptr), expected) << cell << " " << v;
            EXPECT_EQ(messageBoxes().size(), boxesBefore + (expected ? 0 : 1)) << cell << " " << v;
        }
    }
}

TEST_P(StencilBuilders, ShapesOfAnotherKindAreNotRead) {
    for (KindSetter other : {&ShapeAttributes::setBlockDiagram, &ShapeAttributes::setPetriNet,
                             &ShapeAttributes::setERDiagram}) {
        if (other == GetParam().kind) continue;
        ShapeAttributes record;
        (record.*other)();
        EXPECT_FALSE(record.readShape(wrap(GetParam().drop(page(), options("2.1.1"), nullptr))));
    }
    EXPECT_TRUE(messageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryMaster, StencilBuilders, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
