#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "helpers/FormulaBatchHelpers.h"
#include "platform/visio/IVDocument.h"
#include "platform/visio/IVShape.h"
#include "tests/support/HostFixture.h"
#include "tests/support/StandInObjects.h"

namespace {

using simhost::ShapeSpec;

// Records the batch writes it receives, as Visio's page would take them.
class RecordingPage : public teststandin::Unanswered<visio::IVPage> {
public:
    struct Call {
        std::vector<int16_t> stream;
        std::vector<std::string> formulas;
        int16_t flags;
    };
    std::vector<Call> calls;

    int16_t SetFormulas(const std::vector<int16_t>& stream,
                        const std::vector<std::string>& formulas, int16_t flags) override {
        calls.push_back({stream, formulas, flags});
        return static_cast<int16_t>(formulas.size());
    }
};

// A shapes collection that belongs to the recording page.
class RecordingShapes : public teststandin::Unanswered<visio::IVShapes> {
public:
    explicit RecordingShapes(RecordingPage* page) : page_(page) {}
    visio::ComRef<visio::IVPage> ContainingPage() override {
        return visio::ComRef<visio::IVPage>(page_);
    }

private:
    RecordingPage* page_;
};

class FormulaBatchLayout : public ::testing::Test {
protected:
    RecordingPage page;
    RecordingShapes shapesObject{&page};
    visio::VShapes shapes{visio::ComRef<visio::IVShapes>(&shapesObject)};
};

TEST_F(FormulaBatchLayout, OneCallInKeyOrderWithFourAddressNumbersPerFormula) {
    FormulaBatchMap batch;
    batch[{7, 1, 2, 1}] = "GUARD(RGB(255,0,0))";
    batch[{3, 3, 0, 1}] = "GUARD(2)";
    batch[{7, 1, 2, 0}] = "GUARD(0.02in)";
    setFormulasBatch(shapes, batch);
    ASSERT_EQ(page.calls.size(), 1u);
    const RecordingPage::Call& call = page.calls.front();
    EXPECT_EQ(call.stream, (std::vector<int16_t>{3, 3, 0, 1, 7, 1, 2, 0, 7, 1, 2, 1}));
    EXPECT_EQ(call.formulas,
              (std::vector<std::string>{"GUARD(2)", "GUARD(0.02in)", "GUARD(RGB(255,0,0))"}));
    EXPECT_EQ(call.flags, 10);
}

TEST_F(FormulaBatchLayout, AddressesBeyond16BitsStayOutOfTheBatch) {
    FormulaBatchMap batch;
    batch[{70000, 242, 0, 0}] = "1";
    batch[{5, 242, 0x12345, 0}] = "2";
    batch[{5, 1, 2, 1}] = "3";
    setFormulasBatch(shapes, batch);
    ASSERT_EQ(page.calls.size(), 1u);
    EXPECT_EQ(page.calls[0].stream, (std::vector<int16_t>{5, 1, 2, 1}));
    EXPECT_EQ(page.calls[0].formulas, (std::vector<std::string>{"3"}));
}

TEST_F(FormulaBatchLayout, AnEmptyBatchStillMakesTheCall) {
    setFormulasBatch(shapes, FormulaBatchMap());
    ASSERT_EQ(page.calls.size(), 1u);
    EXPECT_TRUE(page.calls[0].stream.empty());
    EXPECT_TRUE(page.calls[0].formulas.empty());
    EXPECT_EQ(page.calls[0].flags, 10);
}

TEST_F(FormulaBatchLayout, NothingHappensWithoutShapes) {
    setFormulasBatch(visio::VShapes(), FormulaBatchMap{{{1, 1, 2, 1}, "1"}});
    EXPECT_TRUE(page.calls.empty());
}

class FormulaBatchOnHost : public HostFixture {};

TEST_F(FormulaBatchOnHost, WritesThroughGuards) {
    auto guarded = add(ShapeSpec::box(1, 1, 1, 1).cell("LineColor", "GUARD(1)"));
    auto plain = add(ShapeSpec::box(3, 1, 1, 1));
    host_.counters().reset();
    FormulaBatchMap batch;
    batch[{guarded->id(), 1, 2, 1}] = "RGB(255,0,0)";
    batch[{plain->id(), 1, 2, 0}] = "GUARD(0.03in)";
    setFormulasBatch(pageShapes(), batch);
    EXPECT_EQ(host_.counters().batchWrites, 1u);
    EXPECT_EQ(guarded->formula("LineColor"), "RGB(255,0,0)");
    EXPECT_EQ(plain->formula("LineWeight"), "GUARD(0.03in)");
}

TEST_F(FormulaBatchOnHost, AShapeWhoseIDTheBatchCannotNameIsWrittenOnItsOwn) {
    // Cut to 16 bits, 32768 + 7 would name another shape (or none).
    auto low = add(ShapeSpec::box(1, 1, 1, 1));
    page().setNextShapeId(32768 + low->id());
    auto high = add(ShapeSpec::box(3, 1, 1, 1).cell("LineColor", "GUARD(1)"));
    FormulaBatchMap batch;
    batch[{high->id(), 1, 2, 1}] = "GUARD(2)";
    setFormulasBatch(pageShapes(), batch);
    EXPECT_EQ(high->formula("LineColor"), "GUARD(2)");
    EXPECT_EQ(low->formula("LineColor"), "0");

    // A shape the caller knows is not looked up on the page.
    host_.counters().reset();
    batch[{high->id(), 1, 2, 1}] = "GUARD(3)";
    setFormulasBatch(pageShapes(), batch, [&](int32_t) { return wrap(high); });
    EXPECT_EQ(high->formula("LineColor"), "GUARD(3)");
    EXPECT_EQ(host_.counters().callsOf<visio::IVShapes>("ItemFromID"), 0u);
}

// A cell address beyond 16 bits names no cell; cut, it would name LineColor (1, 2, 1).
TEST_F(FormulaBatchOnHost, AddressesBeyond16BitsAreNotWrittenAnywhere) {
    auto low = add(ShapeSpec::box(1, 1, 1, 1));
    page().setNextShapeId(32768 + low->id());
    auto high = add(ShapeSpec::box(3, 1, 1, 1));
    FormulaBatchMap batch;
    for (const auto& shape : {low, high}) {
        batch[{shape->id(), 1 + 0x10000, 2, 1}] = "2";
        batch[{shape->id(), 1, 2 + 0x10000, 1}] = "3";
        batch[{shape->id(), 1, 2, 1 - 0x10000}] = "4";
    }
    setFormulasBatch(pageShapes(), batch);
    EXPECT_EQ(low->formula("LineColor"), "0");
    EXPECT_EQ(high->formula("LineColor"), "0");
}

// Cut to what the batch takes, the formula would be refused (or mean something else).
TEST_F(FormulaBatchOnHost, AFormulaLongerThanTheBatchTakesIsWrittenWholeOnItsOwn) {
    auto shape = add(ShapeSpec::box(1, 1, 1, 1).cell("LineColor", "GUARD(1)"));
    const std::string prefix = "IF(LEN(\"";
    const std::string suffix = "\")>0,2,3)";
    const std::string longFormula =
        prefix + std::string(8192 - prefix.size() - suffix.size(), 'x') + suffix;
    host_.counters().reset();
    FormulaBatchMap batch;
    batch[{shape->id(), 1, 2, 1}] = longFormula;
    batch[{shape->id(), 1, 2, 0}] = "0.02 in";
    setFormulasBatch(pageShapes(), batch);
    EXPECT_EQ(shape->formula("LineColor"), longFormula);
    EXPECT_EQ(shape->formula("LineWeight"), "0.02 in");
    EXPECT_EQ(host_.counters().batchWrites, 1u);
    EXPECT_EQ(host_.counters().batchCells, 1u) << "the long one is not in the batch";
}

TEST_F(FormulaBatchOnHost, TheShapesOfAGroupWriteThroughTheirPage) {
    auto group = add(ShapeSpec::group(4, 4, 2, 2).member(ShapeSpec::box(0.5, 0.5, 1, 1)));
    simhost::Shape* member = group->memberList().front().get();
    FormulaBatchMap batch;
    batch[{member->id(), 1, 2, 1}] = "4";
    setFormulasBatch(wrap(group).Shapes(), batch);
    EXPECT_EQ(member->formula("LineColor"), "4");
}

}  // namespace
