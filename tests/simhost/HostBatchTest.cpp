// Page.SetFormulas: the 16-bit stream, the guard flag, skipped shapes and cells, the
// answer, and one cell-changed event per written cell.
#include <gtest/gtest.h>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Host.h"
#include "tests/support/EventRecorder.h"

namespace simhost {
namespace {

using namespace visio;

class HostBatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = host.newDocument();
        page = document->page(1);
        first = host.addShape(*page, ShapeSpec::box(1, 1, 1, 1));
        second = host.addShape(*page, ShapeSpec::box(3, 1, 1, 1));
        host.counters().reset();
    }

    static void add(std::vector<int16_t>& stream, std::vector<std::string>& formulas, int32_t id,
                    int16_t section, int16_t row, int16_t cell, const std::string& formula) {
        // One at a time: gcc 12 at -O3 takes an insert of a list into an empty vector for
        // an overflow.
        for (int16_t value : {static_cast<int16_t>(id), section, row, cell})
            stream.push_back(value);
        formulas.push_back(formula);
    }

    Host host;
    ComRef<Document> document;
    Page* page = nullptr;
    ComRef<Shape> first;
    ComRef<Shape> second;
};

TEST_F(HostBatchTest, WritesEachAddressOfTheStream) {
    std::vector<int16_t> stream;
    std::vector<std::string> formulas;
    add(stream, formulas, first->ID(), visSectionObject, visRowLine, visLineColor, "GUARD(2)");
    add(stream, formulas, second->ID(), visSectionObject, visRowLine, visLineWeight, "2 pt");
    add(stream, formulas, second->ID(), visSectionCharacter, 0, visCharacterColor, "RGB(255,0,0)");
    add(stream, formulas, 0, visSectionObject, visRowPage, 0, "11 in");  // the page sheet
    EXPECT_EQ(page->SetFormulas(stream, formulas, visSetBlastGuards | visSetUniversalSyntax), 4);
    EXPECT_EQ(first->formula("LineColor"), "GUARD(2)");
    EXPECT_EQ(second->formula("LineWeight"), "2 pt");
    EXPECT_DOUBLE_EQ(second->number("Char.Color"), 255);
    EXPECT_DOUBLE_EQ(page->pageSheet()->number("PageWidth"), 11);
    EXPECT_EQ(host.counters().batchWrites, 1u);
    EXPECT_EQ(host.counters().batchCells, 4u);
    EXPECT_EQ(host.counters().formulaWrites, 0u);
}

TEST_F(HostBatchTest, GuardsHoldUnlessTheFlagOverwritesThem) {
    first->CellsU("LineColor")->SetFormulaU("GUARD(5)");
    std::vector<int16_t> stream;
    std::vector<std::string> formulas;
    add(stream, formulas, first->ID(), visSectionObject, visRowLine, visLineColor, "1");
    EXPECT_EQ(page->SetFormulas(stream, formulas, visSetUniversalSyntax), 0);
    EXPECT_EQ(first->formula("LineColor"), "GUARD(5)");
    EXPECT_EQ(page->SetFormulas(stream, formulas, visSetBlastGuards | visSetUniversalSyntax), 1);
    EXPECT_EQ(first->formula("LineColor"), "1");
}

TEST_F(HostBatchTest, SkipsMissingShapesCellsAndBadFormulas) {
    int32_t deletedId = second->ID();
    host.deleteShape(*second);
    std::vector<int16_t> stream;
    std::vector<std::string> formulas;
    add(stream, formulas, deletedId, visSectionObject, visRowLine, visLineColor, "3");
    add(stream, formulas, 99, visSectionObject, visRowLine, visLineColor, "3");
    add(stream, formulas, first->ID(), visSectionUser, 0, 0, "3");  // no user row
    add(stream, formulas, first->ID(), visSectionObject, visRowLine, visLinePattern, "3 +");
    add(stream, formulas, first->ID(), visSectionObject, visRowLine, visLineColor, "4");
    EXPECT_EQ(page->SetFormulas(stream, formulas, 10), 1);
    EXPECT_EQ(first->formula("LineColor"), "4");
    EXPECT_EQ(first->formula("LinePattern"), "1");

    // A stream shorter than the formulas (or the other way round) writes the pairs it has.
    stream.resize(2);
    EXPECT_EQ(page->SetFormulas(stream, formulas, 10), 0);
    EXPECT_EQ(page->SetFormulas({}, {}, 10), 0);
    EXPECT_EQ(host.counters().batchWrites, 3u);
}

TEST_F(HostBatchTest, EveryWrittenCellRaisesCellChanged) {
    testsupport::EventRecorder recorder(host.application());
    recorder.subscribe(visEvtCodeCellChanged);
    std::vector<int16_t> stream;
    std::vector<std::string> formulas;
    add(stream, formulas, first->ID(), visSectionObject, visRowLine, visLineColor, "2");
    add(stream, formulas, 77, visSectionObject, visRowLine, visLineColor, "2");
    add(stream, formulas, second->ID(), visSectionObject, visRowLine, visLineColor, "3");
    page->SetFormulas(stream, formulas, 10);
    host.pump();
    ASSERT_EQ(recorder.events().size(), 2u);
    auto cell = query<IVCell>(recorder.events()[1].subject);
    EXPECT_EQ(cell->Shape()->ID(), second->ID());
    EXPECT_EQ(cell->Name(), "LineColor");
}

TEST_F(HostBatchTest, ShapeIdsAboveSignedRangeStillWork) {
    // Shape IDs travel as 16 bits; 40000 arrives as a negative number.
    std::vector<int16_t> stream = {static_cast<int16_t>(40000), visSectionObject, visRowLine,
                                   visLineColor};
    EXPECT_EQ(page->SetFormulas(stream, {"2"}, 10), 0);  // no such shape, and no crash
}

}  // namespace
}  // namespace simhost
