// Page.SetFormulas: the signed 16-bit stream and its ignored entries, the guard flag,
// skipped shapes and cells, the answer, and one cell-changed event per written cell.
#include <gtest/gtest.h>

#include <variant>

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
        // One push at a time: gcc 12 at -O3 misreads an insert of a braced list as an
        // overflow (-Wstringop-overflow).
        for (int16_t part : {static_cast<int16_t>(id), section, row, cell}) stream.push_back(part);
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

// The page's streams are signed, as Visio reads them: 40000 arrives as -25536 and names
// no shape, even with a shape 40000 on the page; -1 and section 255 mark ignored entries.
TEST_F(HostBatchTest, PageStreamsReadShapeIdsAsSignedAndIgnoreInvalidEntries) {
    page->setNextShapeId(40000);
    ComRef<Shape> high = host.addShape(*page, ShapeSpec::box(5, 1, 1, 1));
    ASSERT_EQ(high->ID(), 40000);
    const auto highID = static_cast<int16_t>(40000);
    const auto firstID = static_cast<int16_t>(first->ID());
    const int16_t invalSection = 0x100 | 255;
    std::vector<int16_t> stream;
    std::vector<std::string> formulas;
    add(stream, formulas, highID, visSectionObject, visRowLine, visLineColor, "5");
    add(stream, formulas, -1, visSectionObject, visRowLine, visLineColor, "6");
    add(stream, formulas, first->ID(), invalSection, visRowLine, visLineColor, "7");
    add(stream, formulas, first->ID(), visSectionObject, visRowLine, visLineWeight, "3 pt");
    EXPECT_EQ(page->SetFormulas(stream, formulas, 10), 1);
    EXPECT_NE(high->formula("LineColor"), "5");
    EXPECT_NE(first->formula("LineColor"), "7");
    EXPECT_EQ(first->formula("LineWeight"), "3 pt");

    const std::vector<int16_t> ignoredAndOne = {
        -1, visSectionObject, visRowLine,       visLineColor, firstID,      invalSection, 0,
        0,  firstID,          visSectionObject, visRowLine,   visLineWeight};
    std::vector<std::string> read;
    page->GetFormulasU(ignoredAndOne, &read);
    EXPECT_EQ(read, (std::vector<std::string>{"", "", "3 pt"}));
    std::vector<Variant> results;
    page->GetResults(ignoredAndOne, 0, {}, &results);
    ASSERT_EQ(results.size(), 3u);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(results[0]));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(results[1]));

    const std::vector<int16_t> highOnly = {highID, visSectionObject, visRowLine, visLineColor};
    page->GetFormulasU(highOnly, &read);
    EXPECT_TRUE(read.empty()) << "no shape -25536: the whole read fails";
    page->GetResults(highOnly, 0, {}, &results);
    EXPECT_TRUE(results.empty());
}

}  // namespace
}  // namespace simhost
