#include <gtest/gtest.h>

#include "model/CellAddressTable.h"
#include "model/SavedCellList.h"

namespace {

TEST(CellAddressTable, AddUniqueAnswersTheIndexOfAnEqualAddress) {
    CellAddressTable table;
    EXPECT_EQ(table.addUnique(1, 2, 1), 0);
    EXPECT_EQ(table.addUnique(1, 2, 0), 1);
    EXPECT_EQ(table.addUnique(3, 0, 1), 2);
    EXPECT_EQ(table.addUnique(1, 2, 1), 0);
    EXPECT_EQ(table.addUnique(3, 0, 1), 2);
    EXPECT_EQ(table.getCount(), 3);
    EXPECT_EQ(table.get(1), (CellAddress{1, 2, 0}));
    EXPECT_EQ(table.get(3), (CellAddress{}));
}

TEST(CellAddressTable, KeepsTheFullUnsignedRange) {
    CellAddressTable table;
    table.addUnique(0xFFFF, 0x8000, 7);
    EXPECT_EQ(table.get(0), (CellAddress{0xFFFF, 0x8000, 7}));
}

TEST(SavedCellList, PacksSectionLowAndRowHigh) {
    EXPECT_EQ(SavedCellList::packSectionRow(242, 3), (3 << 16) | 242);
    SavedCellList list;
    list.add(SavedCellList::packSectionRow(242, 3), 0);
    list.add(SavedCellList::packSectionRow(0xFFFF, 0xFFFF), 5);
    EXPECT_EQ(list.getAddress(0), (CellAddress{242, 3, 0}));
    EXPECT_EQ(list.getAddress(1), (CellAddress{0xFFFF, 0xFFFF, 5}));
}

TEST(SavedCellList, ListsEachAddressOnceWithItsFormula) {
    SavedCellList list;
    list.add(SavedCellList::packSectionRow(1, 2), 1);
    list.add(SavedCellList::packSectionRow(1, 2), 1);
    list.add(SavedCellList::packSectionRow(1, 2), 0);
    EXPECT_EQ(list.getCount(), 2);
    EXPECT_EQ(list.getFormula(0), "");
    list.setFormula(1, "THEMEVAL()");
    list.setFormula(2, "ignored");
    EXPECT_EQ(list.getFormula(1), "THEMEVAL()");
    EXPECT_EQ(list.getFormula(2), "");
}

}  // namespace
