// The matrix and the saved formulas over shapes of the stand-in host.
#include <gtest/gtest.h>

#include "helpers/FormulaBatchHelpers.h"
#include "model/CellAddressTable.h"
#include "model/GEConnection.h"
#include "platform/visio/VisioConstants.h"
#include "tests/model/ModelOnHostFixture.h"

namespace {

using simhost::ShapeSpec;

TEST_F(ModelOnHost, ElementsSideBySideTouch) {
    auto place = element(passive, add(ShapeSpec::box(1, 1, 1, 1)));
    auto transition = element(active, add(ShapeSpec::box(2, 1, 1, 1)));
    auto far = element(passive, add(ShapeSpec::box(8, 8, 1, 1)));
    auto frame = element(passive, add(ShapeSpec::box(1.5, 1, 4, 4)));
    build();
    EXPECT_TRUE(matrix.isTouching(place, transition));
    EXPECT_TRUE(matrix.isTouching(transition, place));
    EXPECT_FALSE(matrix.isTouching(place, far));
    EXPECT_TRUE(matrix.isContainedIn(place, frame));
    EXPECT_FALSE(matrix.isContainedIn(frame, place));
}

TEST_F(ModelOnHost, ConnectorsJoinOnlyAtTheirEnds) {
    auto a = element<GEConnection>(connections, add(ShapeSpec::line(0, 3, 4, 3)));
    auto onMiddle = element<GEConnection>(connections, add(ShapeSpec::line(2, 5, 2, 3)));
    auto atEnd = element<GEConnection>(connections, add(ShapeSpec::line(4, 3, 4, 5)));
    build();
    EXPECT_EQ(matrix.getRelation(a->getID(), onMiddle->getID()), 16);
    EXPECT_EQ(matrix.getRelation(onMiddle->getID(), a->getID()), 16);
    EXPECT_FALSE(matrix.isTouching(a, onMiddle));
    EXPECT_TRUE(matrix.isTouching(a, atEnd));
    EXPECT_TRUE(matrix.isTouching(atEnd, a));
}

TEST_F(ModelOnHost, AShapeBesideAPlainGroupRelatesToTheMembersInside) {
    auto group = add(ShapeSpec::group(7, 1, 2, 1)
                         .member(ShapeSpec::box(0.5, 0.5, 1, 1))
                         .member(ShapeSpec::box(1.5, 0.5, 1, 1)));
    const auto members = group->memberList();
    index.beginElement(group->id(), wrap(group));
    for (const auto& m : members) index.addShape(m->id(), wrap(m));
    index.endElement();
    auto right = element(passive, members[1]);
    auto beside = element(active, add(ShapeSpec::box(8.5, 1, 1, 1)));
    build();
    EXPECT_TRUE(matrix.isTouching(beside, right));
    EXPECT_TRUE(matrix.isTouching(right, beside));
}

// Formulas saved while the page is read come back unchanged, string constants included.
TEST_F(ModelOnHost, SavedFormulasRestoreByteForByte) {
    CellAddressTable table;
    table.addUnique(visio::visSectionUser, 0, 0);
    table.addUnique(visio::visSectionObject, visio::visRowLine, visio::visLineColor);
    CellAddressTableMap tables{{1, &table}};
    index.setTables(&tables);
    auto shape = add(ShapeSpec::box(1, 1, 1, 1)
                         .cell("User.Label", "\"abc\"")
                         .cell("LineColor", "IF(TRUE,\"#FF0000\",1)"));
    index.addShape(shape->id(), wrap(shape));

    FormulaBatchMap highlight;
    highlight[{shape->id(), visio::visSectionUser, 0, 0}] = "GUARD(1)";
    highlight[{shape->id(), visio::visSectionObject, visio::visRowLine, visio::visLineColor}] =
        "GUARD(2)";
    setFormulasBatch(pageShapes(), highlight);
    ASSERT_EQ(shape->formula("User.Label"), "GUARD(1)");

    FormulaBatchMap restore;
    for (int32_t i = 0; i < index.getRecordCount(shape->id()); ++i) {
        const CellAddress a = index.getRecordAddress(shape->id(), i);
        restore[{shape->id(), a.section, a.row, a.cell}] = index.getRecordFormula(shape->id(), i);
    }
    setFormulasBatch(pageShapes(), restore);
    EXPECT_EQ(shape->formula("User.Label"), "\"abc\"");
    EXPECT_EQ(shape->formula("LineColor"), "IF(TRUE,\"#FF0000\",1)");
}

}  // namespace
