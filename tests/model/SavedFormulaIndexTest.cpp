// The saved formulas: which cells of a shape are saved, in which order, and that they
// come back exactly as they were; and the walk over the shapes registered below groups.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "model/CellAddressTable.h"
#include "model/SavedFormulaIndex.h"
#include "platform/visio/VShapes.h"
#include "tests/support/HostFixture.h"

namespace {

using IDs = std::vector<int32_t>;
using simhost::ShapeSpec;

class SavedFormulaIndexTest : public HostFixture {
protected:
    void SetUp() override {
        lineTable.addUnique(1, 2, 1);  // line colour
        lineTable.addUnique(1, 2, 0);  // line weight
        charTable.addUnique(3, 0, 1);  // character colour
        charTable.addUnique(1, 2, 1);  // line colour again
        tables = {{5, &lineTable}, {2, &charTable}};
        index.setTables(&tables);
    }

    visio::ComRef<simhost::Shape> shapeWithFormulas(const std::string& lineColor) {
        return add(ShapeSpec::box(1, 1, 1, 1)
                       .cell("LineColor", lineColor)
                       .cell("LineWeight", "0.01in")
                       .cell("Char.Color", "THEMEVAL(\"TextColor\")"));
    }
    void save(const visio::ComRef<simhost::Shape>& shape) {
        index.addShape(shape->id(), wrap(shape));
    }

    CellAddressTable lineTable;
    CellAddressTable charTable;
    CellAddressTableMap tables;
    SavedFormulaIndex index;
};

TEST_F(SavedFormulaIndexTest, SavesEveryTablesCellsOnceInKeyOrder) {
    auto shape = shapeWithFormulas("RGB(1,2,3)");
    save(shape);
    const int32_t id = shape->id();
    ASSERT_EQ(index.getRecordCount(id), 3);
    EXPECT_EQ(index.getRecordAddress(id, 0), (CellAddress{3, 0, 1}));
    EXPECT_EQ(index.getRecordAddress(id, 1), (CellAddress{1, 2, 1}));
    EXPECT_EQ(index.getRecordAddress(id, 2), (CellAddress{1, 2, 0}));
    EXPECT_EQ(index.getRecordFormula(id, 1), "RGB(1,2,3)");
    EXPECT_EQ(index.getRecordFormula(id, 2), "0.01in");
}

// The formulas are written back later exactly as saved: a string constant must keep
// its quotes, or it would come back as a name.
TEST_F(SavedFormulaIndexTest, KeepsFormulasByteForByte) {
    const std::string long_formula = "\"" + std::string(9000, 'x') + "\"";
    auto abc = shapeWithFormulas("\"abc\"");
    auto empty = shapeWithFormulas("\"\"");
    auto long_text = shapeWithFormulas(long_formula);
    for (const auto& shape : {abc, empty, long_text}) save(shape);
    EXPECT_EQ(index.getRecordFormula(abc->id(), 1), "\"abc\"");
    EXPECT_EQ(index.getRecordFormula(empty->id(), 1), "\"\"");
    EXPECT_EQ(index.getRecordFormula(long_text->id(), 1), long_formula);
    EXPECT_EQ(index.getRecordFormula(abc->id(), 0), "THEMEVAL(\"TextColor\")");
}

TEST_F(SavedFormulaIndexTest, AShapeRegisteredTwiceKeepsItsFirstFormulas) {
    auto shape = shapeWithFormulas("RGB(1,2,3)");
    index.beginElement(shape->id(), wrap(shape));
    index.endElement();
    host_.setFormula(*shape, "LineColor", "GUARD(2)");
    index.beginElement(shape->id(), wrap(shape));
    index.saveFormulas(shape->id(), wrap(shape));
    EXPECT_EQ(index.getRecordFormula(shape->id(), 1), "RGB(1,2,3)");
}

TEST_F(SavedFormulaIndexTest, UnknownShapesAndMissingTablesGiveNoRecords) {
    SavedFormulaIndex bare;
    auto shape = shapeWithFormulas("1");
    bare.addShape(shape->id(), wrap(shape));
    EXPECT_EQ(bare.getRecordCount(shape->id()), 0);
    EXPECT_EQ(index.getRecordCount(42), 0);
    EXPECT_EQ(index.getRecordFormula(42, 0), "");
    EXPECT_EQ(index.getRecordAddress(42, 0), (CellAddress{}));
}

TEST_F(SavedFormulaIndexTest, EndElementAtTopLevelStaysThere) {
    index.endElement();
    index.addShape(1, visio::VShape());
    index.endElement();
    index.addShape(2, visio::VShape());
    EXPECT_EQ(index.collectSubShapes(0), (IDs{1, 2}));
}

TEST_F(SavedFormulaIndexTest, RegistersShapesUnderTheCurrentElementOrGroup) {
    const visio::VShape none;
    index.beginElement(10, none);  // a plain group
    index.addShape(11, none);
    index.beginElement(12, none);  // a nested group
    index.addShape(13, none);
    index.addShape(14, none);
    index.endElement();
    index.addShape(15, none);
    index.endElement();
    index.addShape(16, none);
    EXPECT_EQ(index.collectSubShapes(10), (IDs{11, 13, 14, 15}));
    EXPECT_EQ(index.collectSubShapes(12), (IDs{13, 14}));
    EXPECT_EQ(index.collectSubShapes(0), (IDs{11, 13, 14, 15, 16}));
    EXPECT_EQ(index.collectSubShapes(11), IDs{});
}

TEST_F(SavedFormulaIndexTest, ASubShapeRegisteredInACircleEndsTheWalk) {
    const visio::VShape none;
    index.beginElement(10, none);
    index.beginElement(11, none);
    index.addShape(10, none);  // 10 now also stands below its own member
    index.addShape(12, none);
    EXPECT_EQ(index.collectSubShapes(10), (IDs{12}));
}

// Over generated pages of nested groups: sub-shapes left for later, met by the walks in
// any order or all registered at once, come out as registering them at once gave.
TEST_F(SavedFormulaIndexTest, SubShapesRegisteredLaterWalkAndSaveAsAtOnce) {
    std::mt19937 random(4711);
    std::function<ShapeSpec(int)> shapeOf = [&](int depth) {
        if (depth == 0 || random() % 3 == 0)
            return ShapeSpec::box(1, 1, 1, 1).cell("LineColor", std::to_string(random() % 9));
        ShapeSpec group = ShapeSpec::group(1, 1, 2, 2);
        for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n)
            group.member(shapeOf(depth - 1));
        return group;
    };
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::vector<visio::VShape> tops;
        for (int n = 2 + static_cast<int>(random() % 4); n > 0; --n)
            tops.push_back(wrap(add(shapeOf(3))));
        SavedFormulaIndex atOnce;
        SavedFormulaIndex later;
        for (SavedFormulaIndex* i : {&atOnce, &later}) {
            i->setTables(&tables);
            i->setReadingMode(ReadingMode::Batched);
        }
        std::function<void(const visio::VShape&)> registerAll = [&](const visio::VShape& s) {
            const visio::VShapes members = s.Shapes();
            for (int32_t k = 1; k <= members.Count(); ++k) {
                atOnce.addShape(members.Item(k).ID(), members.Item(k));
                registerAll(members.Item(k));
            }
        };
        for (const visio::VShape& top : tops) {
            atOnce.beginElement(top.ID(), top);
            registerAll(top);
            atOnce.endElement();
            later.beginElement(top.ID(), top);
            const visio::VShapes members = top.Shapes();
            if (random() % 2 || members.Count() == 0) {
                later.addSubShapesLater(top.ID(), top);
            } else {
                for (int32_t k = 1; k <= members.Count(); ++k) {
                    later.addShape(members.Item(k).ID(), members.Item(k));
                    later.addSubShapesLater(members.Item(k).ID(), members.Item(k));
                }
            }
            later.endElement();
        }
        std::vector<int32_t> asked{0};
        for (const visio::VShape& top : tops) asked.push_back(top.ID());
        std::shuffle(asked.begin(), asked.end(), random);
        for (int32_t id : asked) EXPECT_EQ(later.collectSubShapes(id), atOnce.collectSubShapes(id));
        atOnce.saveRegisteredFormulas();
        later.saveRegisteredFormulas();
        for (int32_t id : atOnce.collectSubShapes(0)) {
            ASSERT_TRUE(later.isRegistered(id));
            EXPECT_EQ(later.getRecordFormula(id, 1), atOnce.getRecordFormula(id, 1));
        }
    }
}

}  // namespace
