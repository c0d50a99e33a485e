// The batched reading of a page against the one-by-one reading, over generated drawings
// of the three kinds (some with shape IDs beyond what the page's batches can name): the
// rules find the same, the check paints the same formulas, and stopping leaves the same
// drawing.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "checker/CCArcConnectionRule.h"
#include "checker/CCArcShapeRule.h"
#include "checker/CCHintRule.h"
#include "checker/CCNameClashRule.h"
#include "checker/CCPetriNetRule.h"
#include "checker/CCPropertyPage.h"
#include "checker/CCRuleSet.h"
#include "checker/ConsistencyChecker.h"
#include "model/DiagramTypeHolder.h"
#include "platform/visio/VShapes.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "tests/checker/CheckerDrawings.h"
#include "tests/checker/CheckerTestHost.h"

namespace checkertest {
namespace {

constexpr int kDrawingsPerKind = 12;

struct Outcome {
    std::vector<std::vector<uint32_t>> findings;
    std::string painted;
    std::string restored;
};

std::string fileOf(simhost::Document& document) {
    std::string text;
    std::string error;
    EXPECT_TRUE(simhost::DrawingFile::write(document, &text, &error)) << error;
    return text;
}

// Every rule on the page, the optional ones included, as the checker makes them.
std::vector<std::vector<uint32_t>> findingsOf(DiagramTypeHolder& holder,
                                              const visio::VShapes& shapes) {
    holder.identifyDiagramType(shapes);
    const bool block = holder.isBlockDiagram();
    const bool petri = holder.isPetriNet();
    const bool er = holder.isERDiagram();
    CCRuleSet rules;
    rules.add(1, std::make_unique<CCNameClashRule>(block, er));
    rules.add(2, std::make_unique<CCHintRule>(petri));
    rules.add(3, std::make_unique<CCArcShapeRule>(block, petri, er));
    rules.add(4, std::make_unique<CCPetriNetRule>(petri));
    rules.add(5, std::make_unique<CCArcConnectionRule>());
    holder.createModel(shapes, rules.tables(), FormulaScope::ElementShapes);
    rules.checkAll(holder);
    std::vector<std::vector<uint32_t>> findings;
    for (const auto& [key, rule] : rules.rules()) findings.push_back(rule->getFindings());
    holder.deleteModel();
    return findings;
}

Outcome checkWith(ReadingMode mode, DrawingKind kind, uint32_t seed) {
    CheckerTestHost env;
    env.startTools();
    std::mt19937 random(seed);
    auto document =
        env.open("/drawings/reading-" + std::to_string(seed) + ".vsd", [&](simhost::Page& page) {
            // Every other drawing straddles the IDs that the page's batches can
            // name, so that shapes beyond them are read and painted on their own.
            if (seed % 2) page.setNextShapeId(32760 + static_cast<int32_t>(seed % 8));
            dropRandomDrawing(env.host, page, kind, random);
        });
    Outcome outcome;
    DiagramTypeHolder holder;
    holder.setReadingMode(mode);
    outcome.findings = findingsOf(holder, visio::VShapes(document->page(1)->Shapes()));

    env.controller->diagramTypeHolder()->setReadingMode(mode);
    CCPropertyPage& settings = *env.checker()->propertyPage();
    settings.showLegend = 0;
    settings.saveBefore = 0;
    settings.nameClashCheck = 1;
    settings.hintsCheck = 1;
    EXPECT_TRUE(env.press(ConsistencyChecker::kStartTag));
    outcome.painted = fileOf(*document);
    EXPECT_TRUE(env.press(ConsistencyChecker::kStopTag));
    outcome.restored = fileOf(*document);
    return outcome;
}

class ConsistencyCheckerReadingTest : public ::testing::TestWithParam<DrawingKind> {};

TEST_P(ConsistencyCheckerReadingTest, BatchedReadingFindsPaintsAndRestoresAsOneByOne) {
    for (int i = 0; i < kDrawingsPerKind; ++i) {
        const uint32_t seed =
            7000 + 100 * static_cast<uint32_t>(GetParam()) + static_cast<uint32_t>(i);
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Outcome oneByOne = checkWith(ReadingMode::OneByOne, GetParam(), seed);
        const Outcome batched = checkWith(ReadingMode::Batched, GetParam(), seed);
        EXPECT_EQ(batched.findings, oneByOne.findings);
        EXPECT_EQ(batched.painted, oneByOne.painted);
        EXPECT_EQ(batched.restored, oneByOne.restored);
        EXPECT_NE(oneByOne.painted, oneByOne.restored) << "the check painted something";
        if (HasFailure()) break;
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, ConsistencyCheckerReadingTest,
                         ::testing::Values(DrawingKind::PetriNet, DrawingKind::BlockDiagram,
                                           DrawingKind::ERDiagram));

}  // namespace
}  // namespace checkertest
