// GetFormulasU and GetResults on a page and on a shape, a shape's own SetFormulas, and
// CellsRowIndexU: answers in stream order, skipped entries, a missing cell failing the
// whole read.
#include <gtest/gtest.h>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Host.h"

namespace simhost {
namespace {

using namespace visio;

constexpr int16_t width = 2;  // of the transform row

class HostBatchReadTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = host.newDocument();
        page = document->page(1);
        box = host.addShape(
            *page, ShapeSpec::box(1, 1, 2.5, 1).cell("LineColor", "4").cell("User.Count", "7.6"));
        id = static_cast<int16_t>(box->ID());
        host.counters().reset();
    }

    Host host;
    ComRef<Document> document;
    Page* page = nullptr;
    ComRef<Shape> box;
    int16_t id = 0;
};

TEST_F(HostBatchReadTest, ReadsWhatFormulaUReadsOrNothing) {
    std::vector<std::string> formulas;
    page->GetFormulasU({id, visSectionObject, visRowLine, visLineColor, -1, 0, 0, 0, id,
                        visSectionObject, visRowXFormOut, width},
                       &formulas);
    EXPECT_EQ(formulas, (std::vector<std::string>{"4", "", box->formula("Width")}));
    page->GetFormulasU({id, visSectionObject, visRowLine, visLineColor, id, visSectionUser, 7, 0},
                       &formulas);
    EXPECT_TRUE(formulas.empty()) << "no User row 7: the whole read fails";

    EXPECT_EQ(box->SetFormulas({visSectionObject, visRowLine, visLineColor}, {"GUARD(2)"},
                               visSetBlastGuards | visSetUniversalSyntax),
              1);
    box->GetFormulasU({visSectionObject, visRowLine, visLineColor}, &formulas);
    EXPECT_EQ(formulas, std::vector<std::string>{"GUARD(2)"});
    EXPECT_EQ(host.counters().batchReads, 3u);
    EXPECT_EQ(host.counters().batchWrites, 1u);
}

TEST_F(HostBatchReadTest, ReadsValuesAsTheFlagsAskAndFindsNamedRows) {
    const int16_t row = box->CellsRowIndexU("User.Count");
    EXPECT_EQ(box->CellsRowIndexU("User.Count.Prompt"), row);
    EXPECT_EQ(box->CellsRowIndexU("User.Nothing"), -1);

    std::vector<Variant> results;
    page->GetResults({id, visSectionUser, row, 0, id, visSectionObject, visRowXFormOut, width}, 0,
                     {}, &results);
    EXPECT_EQ(results, (std::vector<Variant>{7.6, 2.5})) << "internal units";
    page->GetResults({id, visSectionUser, row, 0}, 1, {}, &results);
    EXPECT_EQ(results, std::vector<Variant>{int32_t{7}});
    box->GetResults({visSectionObject, visRowXFormOut, width}, 0, {Variant(std::string("mm"))},
                    &results);
    EXPECT_EQ(results, std::vector<Variant>{63.5});
    box->GetResults({visSectionUser, 9, 0}, 0, {}, &results);
    EXPECT_TRUE(results.empty());
}

}  // namespace
}  // namespace simhost
