#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "core/MainController.h"
#include "core/VisioEventRouter.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/EventList.h"
#include "tests/core/EntryTestHost.h"

namespace entrytest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int32_t kIdle = visio::visEvtCodeNoEventsPending;

ToolFactory watchedTool(const std::string& name, std::shared_ptr<ToolLog> log,
                        std::function<void()> onDelete) {
    ToolFactory factory;
    factory.create = [=](ToolStartContext&) {
        auto tool = std::make_unique<RecordingTool>(name, log, std::string());
        tool->onDelete = onDelete;
        return tool;
    };
    return factory;
}

class ControllerTest : public ::testing::Test {
protected:
    std::unique_ptr<MainController> makeController(ToolFactoryList tools) {
        return std::make_unique<MainController>(env.applicationWrapper(), std::move(tools));
    }
    ToolFactoryList threeTools(const std::string& acceptedByB = "CCStartButton") {
        return {recordingTool("A", log, "PPPreferencePaneButton"),
                recordingTool("B", log, acceptedByB), recordingTool("C", log)};
    }
    void idle(MainController& controller) { controller.dispatchEvent(kIdle, {}, {}); }

    EntryTestHost env;
    std::shared_ptr<ToolLog> log = std::make_shared<ToolLog>();
};

TEST_F(ControllerTest, SubscribesTheTwentyOneEventCodesInOrder) {
    auto controller = makeController({});
    std::vector<int16_t> expected = {0x0007,
                                     0x0008,
                                     0x0003,
                                     0x0004,
                                     0x2080,
                                     0x0323,
                                     0x2800,
                                     0x4040,
                                     static_cast<int16_t>(0x8040),
                                     0x4002,
                                     0x0002,
                                     0x1400,
                                     0x1080,
                                     0x02BD,
                                     static_cast<int16_t>(0x8008),
                                     static_cast<int16_t>(0x8010),
                                     0x2010,
                                     0x02C0,
                                     0x0001,
                                     0x1100,
                                     0x00CA};
    EXPECT_EQ(env.application().eventList().subscribedCodes(), expected);
}

TEST_F(ControllerTest, EventsBeforeTheFirstIdleEventReachNoToolAndCreateNothing) {
    auto controller = makeController(threeTools());
    controller->dispatchEvent(visio::visEvtCodeDocOpen, {}, {});
    controller->dispatchEvent(visio::visEvtCodeShapeAdded, {}, {});
    EXPECT_EQ(controller->toolCount(), 0u);
    EXPECT_THAT(*log, IsEmpty());
}

TEST_F(ControllerTest, TheFirstIdleEventCreatesTheToolsAndOnlyLaterEventsReachThem) {
    auto controller = makeController(threeTools());
    idle(*controller);
    EXPECT_THAT(*log, ElementsAre("A created", "B created", "C created"));
    log->clear();
    idle(*controller);
    controller->dispatchEvent(visio::visEvtCodeDocOpen, {}, {});
    EXPECT_THAT(*log, ElementsAre("A event 5120", "B event 5120", "C event 5120", "A event 2",
                                  "B event 2", "C event 2"));
}

TEST_F(ControllerTest, ToolsAreCreatedOnceEvenWhenTheTableIsEmpty) {
    env.host.registerAddon("QAVSupportTools");
    env.host.registerAddon("QAVSupportTools");
    auto controller = makeController({});
    idle(*controller);
    idle(*controller);
    EXPECT_EQ(env.backend.messageBoxes().size(), 1u);
}

TEST_F(ControllerTest, EventsComeThroughTheHostsSinksWithTheirSigned16BitCode) {
    auto controller = makeController(threeTools());
    env.host.pump();  // the first idle event
    log->clear();
    env.host.queueEvent(visio::visEvtCodeShapeAdded, nullptr);
    env.host.pump();
    ASSERT_GE(log->size(), 3u);
    EXPECT_EQ((*log)[0], "A event -32704");
    EXPECT_EQ((*log)[2], "C event -32704");
}

TEST_F(ControllerTest, RunRequestsGoToTheToolsInOrderUntilOneAccepts) {
    auto controller = makeController(threeTools());
    idle(*controller);
    log->clear();
    EXPECT_TRUE(controller->offerCommand("CCStartButton"));
    EXPECT_THAT(*log, ElementsAre("A command CCStartButton", "B command CCStartButton"));
    log->clear();
    EXPECT_FALSE(controller->offerCommand("SINK=NOTHING"));
    EXPECT_THAT(*log, ElementsAre("A command SINK=NOTHING", "B command SINK=NOTHING",
                                  "C command SINK=NOTHING"));
}

TEST_F(ControllerTest, RegisteredToolsJoinThePreferencesToolAndTheBarIsBuiltLast) {
    auto controller = makeController({registrarTool("P", log), recordingTool("A", log, "", true),
                                      recordingTool("B", log), recordingTool("C", log, "", true)});
    idle(*controller);
    EXPECT_THAT(*log, ElementsAre("P created", "P registers P", "A created", "P registers A",
                                  "B created", "C created", "P registers C", "P builds bar"));
}

TEST_F(ControllerTest, WarnsOnceAboutASecondRegisteredCopy) {
    env.host.registerAddon("QAVSupportTools");
    env.host.registerAddon("OtherAddon");
    env.host.registerAddon("QAVSupportTools");
    auto controller = makeController(threeTools());
    controller->dispatchEvent(visio::visEvtCodeDocOpen, {}, {});
    EXPECT_THAT(env.backend.messageBoxes(), IsEmpty());
    idle(*controller);
    idle(*controller);
    ASSERT_EQ(env.backend.messageBoxes().size(), 1u);
    const auto& box = env.backend.messageBoxes()[0];
    EXPECT_EQ(box.text,
              "Caution! At least two QAV Stencils installations (more than one running copy of "
              "the QAVSupportTools.vsl Addon) were detected. This leads to strange UI "
              "behaviour. Please uninstall or delete the older version.");
    EXPECT_EQ(box.caption, "QAV Support Tool Addon");
    EXPECT_EQ(box.type, ui::kMbOk | ui::kMbIconWarning);
    EXPECT_FALSE(box.owner);
    EXPECT_EQ(controller->toolCount(), 3u);
}

TEST_F(ControllerTest, ANameThatDiffersOnlyInLetterCaseIsNoSecondCopy) {
    env.host.registerAddon("QAVSupportTools");
    env.host.registerAddon("qavsupporttools");
    auto controller = makeController(threeTools());
    idle(*controller);
    EXPECT_THAT(env.backend.messageBoxes(), IsEmpty());
}

TEST_F(ControllerTest, DeletesTheToolsFirstWhileTheRouterAndSubscriptionsStillStand) {
    std::vector<std::string> states;
    MainController* controller = nullptr;
    auto watch = [&] {
        bool routed = VisioEventRouter::receiver() == controller;
        states.push_back(std::string(routed ? "routed " : "unrouted ") +
                         std::to_string(env.application().eventList().Count()));
    };
    auto owned = makeController({watchedTool("A", log, watch), watchedTool("B", log, watch)});
    controller = owned.get();
    idle(*owned);
    log->clear();
    owned.reset();
    EXPECT_THAT(*log, ElementsAre("A deleted", "B deleted"));
    EXPECT_THAT(states, ElementsAre("routed 21", "routed 21"));
    EXPECT_EQ(VisioEventRouter::receiver(), nullptr);
    EXPECT_EQ(env.application().eventList().Count(), 0);
}

TEST_F(ControllerTest, EventsCausedWhileTheToolsAreDeletedReachNoTool) {
    auto sendIdle = [] {
        VisioEventRouter::forwardEvent(nullptr, visio::visEvtCodeNoEventsPending, {}, 1, 1, {}, {},
                                       nullptr);
    };
    auto controller = makeController({watchedTool("A", log, sendIdle), recordingTool("B", log)});
    idle(*controller);
    log->clear();
    controller.reset();
    EXPECT_THAT(*log, ElementsAre("A deleted", "B deleted"));
}

TEST_F(ControllerTest, EventsAfterTheControllerIsGoneReachNothing) {
    auto controller = makeController(threeTools());
    idle(*controller);
    controller.reset();
    log->clear();
    env.host.queueEvent(visio::visEvtCodeShapeAdded, nullptr);
    env.host.pump();
    EXPECT_EQ(VisioEventRouter::forwardEvent(nullptr, visio::visEvtCodeNoEventsPending, {}, 1, 1,
                                             {}, {}, nullptr),
              0);
    EXPECT_THAT(*log, IsEmpty());
}

TEST_F(ControllerTest, WithoutVisioNothingIsSubscribedAndNoCopyIsCounted) {
    MainController controller(visio::VApplication(), threeTools());
    EXPECT_EQ(env.application().eventList().Count(), 0);
    controller.dispatchEvent(kIdle, {}, {});
    EXPECT_EQ(controller.toolCount(), 3u);
    EXPECT_THAT(env.backend.messageBoxes(), IsEmpty());
}

}  // namespace
}  // namespace entrytest
