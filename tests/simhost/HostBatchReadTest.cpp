// GetFormulasU on a page and on a shape, and a shape's own SetFormulas: formulas in
// stream order, skipped entries, a missing cell failing the whole read.
#include <gtest/gtest.h>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Host.h"

namespace simhost {
namespace {

using namespace visio;

TEST(HostBatchReadTest, ReadsWhatFormulaUReadsOrNothing) {
    Host host;
    auto document = host.newDocument();
    Page* page = document->page(1);
    auto box = host.addShape(*page, ShapeSpec::box(1, 1, 1, 1).cell("LineColor", "4"));
    const auto id = static_cast<int16_t>(box->ID());
    host.counters().reset();

    constexpr int16_t width = 2;  // of the transform row
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

TEST(HostBatchReadTest, ReadsValuesAsTheFlagsAskAndFindsNamedRows) {
    Host host;
    auto document = host.newDocument();
    Page* page = document->page(1);
    auto box = host.addShape(*page, ShapeSpec::box(1, 1, 2.5, 1).cell("User.Count", "7.6"));
    const auto id = static_cast<int16_t>(box->ID());
    const int16_t row = box->CellsRowIndexU("User.Count");
    EXPECT_EQ(box->CellsRowIndexU("User.Count.Prompt"), row);
    EXPECT_EQ(box->CellsRowIndexU("User.Nothing"), -1);

    std::vector<Variant> results;
    page->GetResults({id, visSectionUser, row, 0, id, visSectionObject, visRowXFormOut, 2}, 0, {},
                     &results);
    EXPECT_EQ(results, (std::vector<Variant>{7.6, 2.5})) << "internal units";
    page->GetResults({id, visSectionUser, row, 0}, 1, {}, &results);
    EXPECT_EQ(results, std::vector<Variant>{int32_t{7}});
    box->GetResults({visSectionObject, visRowXFormOut, 2}, 0, {Variant(std::string("mm"))},
                    &results);
    EXPECT_EQ(results, std::vector<Variant>{63.5});
    box->GetResults({visSectionUser, 9, 0}, 0, {}, &results);
    EXPECT_TRUE(results.empty());
}

}  // namespace
}  // namespace simhost
