// The Edit menu's copy, paste and duplicate with their scope and shape-added events, and
// action rows of the copies that send their own shape's ID.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/Glue.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Host.h"
#include "simhost/stencil/PetriStencil.h"
#include "tests/support/EventRecorder.h"

namespace simhost {
namespace {

using namespace visio;

class HostEditMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = host.newDocument();
        page = document->page(1);
        place = host.addShape(*page, ShapeSpec::box(1, 1, 1, 1)
                                         .cell("Connections.X1", "Width")
                                         .cell("Connections.Y1", "Height*0.5"));
        stencil::StencilOptions options;
        options.begin = {2, 1};
        options.end = {4, 1};
        arc = stencil::dropArc(*page, options);
        host.pump();
        ASSERT_TRUE(geometry::Glue::toPoint(host, *arc, visBegin, *place, 0));
        recorder.subscribeAll();
    }

    std::vector<ComRef<Shape>> selected() {
        return host.application().activeWindow()->selection().reported(0);
    }
    std::vector<std::string> scopes() const {
        std::vector<std::string> infos;
        for (const auto& event : recorder.events())
            if (event.code == visEvtCodeEnterScope) infos.push_back(event.info);
        return infos;
    }
    std::vector<int16_t> codes() {
        std::vector<int16_t> codes = recorder.codesWithoutIdle();
        recorder.clear();
        return codes;
    }

    Host host;
    ComRef<Document> document;
    Page* page = nullptr;
    ComRef<Shape> place, arc;
    testsupport::EventRecorder recorder{host.application()};
};

TEST_F(HostEditMenuTest, CopiesNameThemselvesAndComeLoose) {
    host.selectOnly({arc.get()});
    codes();
    ASSERT_TRUE(host.duplicateSelection());
    EXPECT_EQ(codes(), (std::vector<int16_t>{visEvtCodeEnterScope, visEvtCodeShapeAdded,
                                             visEvtCodeSelChanged}));
    ComRef<Shape> copy = selected().at(0);
    ASSERT_NE(copy.get(), arc.get());
    // Its parts follow the copy, it is glued to nothing, and it lies a quarter inch off.
    const std::string ownWidth = "Sheet." + std::to_string(copy->id()) + "!Width";
    EXPECT_EQ(copy->memberList()[0]->formula("EndX"), ownWidth);
    EXPECT_EQ(copy->connects().Count(), 0);
    EXPECT_DOUBLE_EQ(copy->number("BeginX"), arc->number("BeginX") + 0.25);
    EXPECT_DOUBLE_EQ(copy->number("BeginY"), arc->number("BeginY") - 0.25);
    // Its action sends its own ID.
    ASSERT_TRUE(host.runAction(*copy, 0));
    EXPECT_EQ(host.application().log().addonRuns.back().second,
              "SINK=TIA Sheet." + std::to_string(copy->id()) + " TBIndex=2");

    // Copy and paste: the scope of each, and the pasted shape where the original was.
    host.selectOnly({place.get()});
    recorder.clear();
    ASSERT_TRUE(host.copySelection());
    ASSERT_TRUE(host.paste());
    ComRef<Shape> pasted = selected().at(0);
    EXPECT_EQ(scopes(), (std::vector<std::string>{"1021;0;Copy;0", "1022;0;Paste;0"}));
    EXPECT_NE(pasted.get(), place.get());
    EXPECT_DOUBLE_EQ(pasted->number("PinX"), place->number("PinX"));
}

}  // namespace
}  // namespace simhost
