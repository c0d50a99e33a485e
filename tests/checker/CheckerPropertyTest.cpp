// Over many made-up drawings of the three kinds: a check, checks again, saves and a
// stop leave the drawing exactly as it was, apart from what the user changed meanwhile;
// no save ever holds the colours, and the drawing has unsaved changes exactly when the
// user changed it since it was last saved.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "checker/CCPropertyPage.h"
#include "checker/ConsistencyChecker.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Host.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Window.h"
#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/checker/CheckerDrawings.h"
#include "tests/checker/CheckerTestHost.h"

namespace checkertest {
namespace {

constexpr int kDrawingsPerKind = 25;
constexpr int kActionsPerDrawing = 6;

std::string fileOf(simhost::Document& document) {
    std::string text;
    std::string error;
    EXPECT_TRUE(simhost::DrawingFile::write(document, &text, &error)) << error;
    return text;
}

// A user's change to the drawing, made the same way on the checked drawing and on a
// copy of the original that nobody checks.
using Edit = std::function<void(simhost::Host&, simhost::Page&)>;

class CheckedDrawing {
public:
    CheckedDrawing(DrawingKind kind, uint32_t seed) : kind_(kind), random_(seed) {
        env_.startTools();
        document_ = env_.open(
            "/drawings/random-" + std::to_string(seed) + ".vsd",
            [&](simhost::Page& page) { dropRandomDrawing(env_.host, page, kind_, random_); });
        original_ = fileOf(*document_);
        std::string error;
        copy_ = simhost::DrawingFile::openText(copyHost_, original_, &error);
        EXPECT_TRUE(copy_) << error;
        env_.application().hooks().saveDocument = [this](simhost::Document& d) {
            saves_.push_back({fileOf(d), fileOf(*copy_)});
            copy_->SetSaved(true);
            return true;
        };
    }

    void run() {
        ASSERT_NE(env_.checker(), nullptr);
        CCPropertyPage& settings = *env_.checker()->propertyPage();
        settings.showLegend = chance(2);
        settings.saveBefore = chance(2);
        settings.nameClashCheck = chance(2);
        settings.hintsCheck = chance(2);
        ASSERT_TRUE(env_.press("CCStartButton"));
        ASSERT_TRUE(env_.checker()->isChecking());
        for (int i = 0; i < kActionsPerDrawing; ++i) act();
        ASSERT_TRUE(env_.press("CCStopButton"));
        EXPECT_FALSE(env_.checker()->isChecking());
        for (const auto& [saved, expected] : saves_) {
            EXPECT_EQ(saved.find("GUARD("), std::string::npos);
            EXPECT_EQ(saved, expected);
        }
        EXPECT_EQ(fileOf(*document_), fileOf(*copy_));
        EXPECT_EQ(document_->isSaved(), copy_->isSaved());
    }

private:
    bool chance(int oneIn) { return number(1, oneIn) == 1; }
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    simhost::Page& page() { return *document_->page(1); }
    simhost::Window& window() { return *env_.application().activeWindow(); }

    // One thing a user does while the check runs: something that checks again, a save,
    // or a change to the drawing.
    void act() {
        switch (number(0, 7)) {
            case 0:
                env_.host.changeWindow(window());
                break;
            case 1:
                env_.application().QueueMarkerEvent("ALA2CC-ALA_Finished_Recheck");
                env_.host.pump();
                break;
            case 2:
                env_.host.saveDocument(*document_);
                break;
            default:
                edit(makeEdit());
                break;
        }
    }

    void edit(const Edit& change) {
        change(env_.host, page());
        change(copyHost_, *copy_->page(1));
        copyHost_.pump();
    }

    // The shapes are named by ID, which both drawings share.
    Edit makeEdit() {
        const std::vector<simhost::Shape*> shapes = movableShapes(page());
        const int32_t id = shapes.empty() ? 0 : shapes[number(0, shapes.size() - 1)]->id();
        const std::string x = std::to_string(number(1, 12)) + " in";
        switch (number(0, 3)) {
            case 0:
                return [id, x](simhost::Host& host, simhost::Page& page) {
                    if (simhost::Shape* shape = page.findShape(id))
                        host.setFormula(*shape, "PinX", x);
                };
            case 1:
                return [id](simhost::Host& host, simhost::Page& page) {
                    if (simhost::Shape* shape = page.findShape(id))
                        host.setFormula(*shape, "User.Note", "\"seen\"");
                };
            case 2:
                return [id](simhost::Host& host, simhost::Page& page) {
                    if (simhost::Shape* shape = page.findShape(id)) host.deleteShape(*shape);
                };
            default:
                return [kind = kind_, x](simhost::Host& host, simhost::Page& page) {
                    dropElement(kind, page, x);
                    host.pump();
                };
        }
    }

    static void dropElement(DrawingKind kind, simhost::Page& page, const std::string& x) {
        simhost::stencil::StencilOptions options = at(std::stod(x), 11, "new");
        switch (kind) {
            case DrawingKind::PetriNet:
                simhost::stencil::dropTransition(page, options);
                break;
            case DrawingKind::BlockDiagram:
                simhost::stencil::dropBlockPassive(page, options);
                break;
            case DrawingKind::ERDiagram:
                simhost::stencil::dropERActive(page, options);
                break;
        }
    }

    DrawingKind kind_;
    std::mt19937 random_;
    CheckerTestHost env_;
    visio::ComRef<simhost::Document> document_;
    std::string original_;
    // The original, changed only by the user's edits.
    simhost::Host copyHost_;
    visio::ComRef<simhost::Document> copy_;
    // Each save's file, and what the drawing held without the check then.
    std::vector<std::pair<std::string, std::string>> saves_;
};

class CheckerPropertyTest : public ::testing::TestWithParam<DrawingKind> {};

TEST_P(CheckerPropertyTest, CheckingLeavesNothingBehindButTheUsersEdits) {
    for (int i = 0; i < kDrawingsPerKind; ++i) {
        const uint32_t seed = 1000 * static_cast<uint32_t>(GetParam()) + static_cast<uint32_t>(i);
        SCOPED_TRACE("seed " + std::to_string(seed));
        CheckedDrawing(GetParam(), seed).run();
        if (HasFailure()) break;
    }
}

std::string kindName(const ::testing::TestParamInfo<DrawingKind>& info) {
    switch (info.param) {
        case DrawingKind::PetriNet:
            return "PetriNet";
        case DrawingKind::BlockDiagram:
            return "BlockDiagram";
        case DrawingKind::ERDiagram:
            return "ERDiagram";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(AllKinds, CheckerPropertyTest,
                         ::testing::Values(DrawingKind::PetriNet, DrawingKind::BlockDiagram,
                                           DrawingKind::ERDiagram),
                         kindName);

}  // namespace
}  // namespace checkertest
