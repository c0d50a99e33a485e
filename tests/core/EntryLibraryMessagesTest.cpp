#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/MainController.h"
#include "entry/LibraryMessages.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/EventList.h"
#include "tests/core/EntryTestHost.h"

namespace entrytest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kUnregisteredCall[] =
    "An unregistered call from Visio to the Addon occured. Ignoring...";

// What Visio's callback received.
struct CallbackCall {
    uint16_t code;
    uint16_t value;
    std::vector<unsigned char> record;
    std::string name;
};
std::vector<CallbackCall> callbackCalls;
uint16_t callbackAnswer = 0;

uint16_t visioCallback(uint16_t code, uint16_t value, void* data) {
    CallbackCall call{code, value, {}, {}};
    auto* bytes = static_cast<const unsigned char*>(data);
    call.record.assign(bytes, bytes + 10 + sizeof(void*));
    const char* name = nullptr;
    std::memcpy(&name, bytes + 10, sizeof(name));
    call.name = name ? name : "";
    callbackCalls.push_back(call);
    return callbackAnswer;
}

uint16_t otherCallback(uint16_t, uint16_t, void*) {
    return 0;
}

void* asParam(uint16_t (*callback)(uint16_t, uint16_t, void*)) {
    return reinterpret_cast<void*>(callback);
}

uint16_t send(uint16_t message, uint16_t index = 0, void* lParam = nullptr) {
    return dispatchLibraryMessage(message, index, lParam);
}

// A run record with the argument's pointer at byte offset 14.
struct RunRecord {
    explicit RunRecord(const char* argument) {
        std::memcpy(bytes + 14, &argument, sizeof(argument));
    }
    unsigned char bytes[14 + sizeof(const char*)] = {};
};

class EntryLibraryMessagesTest : public ::testing::Test {
protected:
    EntryLibraryMessagesTest() {
        callbackCalls.clear();
        callbackAnswer = 0;
        theAddon.setToolFactories(ToolFactoryList{recordingTool("A", log, "PPPreferencePaneButton"),
                                                  recordingTool("B", log, "CCStartButton")});
    }
    uint16_t load() { return send(0x2000, 0, asParam(&visioCallback)); }
    uint16_t run(uint16_t index, const char* argument) {
        RunRecord record(argument);
        return send(0x3002, index, record.bytes);
    }
    void startTools() {
        load();
        env.host.pump();
        log->clear();
    }

    EntryTestHost env;
    std::shared_ptr<ToolLog> log = std::make_shared<ToolLog>();
};

TEST_F(EntryLibraryMessagesTest, LoadKeepsTheFirstCallbackAndStartsUpEveryTime) {
    EXPECT_EQ(load(), 0x0203);
    EXPECT_NE(theAddon.controller(), nullptr);
    EXPECT_EQ(load(), 0x0203);
    EXPECT_EQ(send(0x2000, 0, asParam(&otherCallback)), 0x4000);
    EXPECT_NE(theAddon.controller(), nullptr);
    // The earlier controllers are gone: one set of subscriptions.
    EXPECT_EQ(env.application().eventList().Count(), 21);
    EXPECT_EQ(AddonList::visioCallback(), &visioCallback);
}

TEST_F(EntryLibraryMessagesTest, RegisterHandsVisioTheRecordAndThePassedValue) {
    load();
    unsigned char registerStruct[16] = {};
    registerStruct[8] = 0x34;
    registerStruct[9] = 0x12;
    callbackAnswer = 0x0042;
    EXPECT_EQ(send(0x3000, 0, registerStruct), 0x0042);
    ASSERT_EQ(callbackCalls.size(), 1u);
    const CallbackCall& call = callbackCalls[0];
    EXPECT_EQ(call.code, 0x5000);
    EXPECT_EQ(call.value, 0x1234);
    std::vector<unsigned char> words(call.record.begin(), call.record.begin() + 10);
    EXPECT_THAT(words, ElementsAre(1, 0, 0x19, 0, 0xFF, 0xFF, 0, 0, 0, 0));
    EXPECT_EQ(call.name, "QAVSupportTools");
}

TEST_F(EntryLibraryMessagesTest, RegisterBeforeAnyLoadCallsNothing) {
    unsigned char registerStruct[16] = {};
    EXPECT_EQ(send(0x3000, 0, registerStruct), 0x1000);
    EXPECT_EQ(send(0x3000, 0, nullptr), 0x1000);
    EXPECT_THAT(callbackCalls, IsEmpty());
}

TEST_F(EntryLibraryMessagesTest, TheIndexedMessagesAnswerForIndexOneOnly) {
    load();
    EXPECT_EQ(send(0x3001, 1), 0x5000);
    EXPECT_EQ(send(0x3001, 2), 0);
    EXPECT_EQ(send(0x3001, 0), 0);
    EXPECT_EQ(send(0x3003, 1), 0);
    EXPECT_EQ(send(0x3004, 1), 0);
    EXPECT_EQ(send(0x3003, 7), 0);
    EXPECT_EQ(send(0x3004, 7), 0);
}

TEST_F(EntryLibraryMessagesTest, MessagesOutsideTheTableAnswer5005) {
    EXPECT_EQ(send(0x1234), 0x5005);
    EXPECT_EQ(send(0x2002), 0x5005);
    EXPECT_EQ(send(0x3006), 0x5005);
    EXPECT_EQ(send(0), 0x5005);
}

TEST_F(EntryLibraryMessagesTest, ARunRequestGoesToTheToolsInOrder) {
    startTools();
    EXPECT_EQ(run(1, "CCStartButton"), 0);
    EXPECT_THAT(*log, ElementsAre("A command CCStartButton", "B command CCStartButton"));
    EXPECT_THAT(env.boxTexts(), IsEmpty());
}

TEST_F(EntryLibraryMessagesTest, AStringEveryToolDeclinesShowsTheUnregisteredCallBox) {
    startTools();
    EXPECT_EQ(run(1, "SINK=UNKNOWN"), 0);
    EXPECT_THAT(*log, ElementsAre("A command SINK=UNKNOWN", "B command SINK=UNKNOWN"));
    ASSERT_EQ(env.backend.messageBoxes().size(), 1u);
    const auto& box = env.backend.messageBoxes()[0];
    EXPECT_EQ(box.text, kUnregisteredCall);
    EXPECT_EQ(box.caption, "QAV Support Tool Addon");
    EXPECT_EQ(box.type, ui::kMbOk);
}

TEST_F(EntryLibraryMessagesTest, AnEmptyOrMissingArgumentEndsTheRequestSilently) {
    startTools();
    EXPECT_EQ(run(1, ""), 0);
    EXPECT_EQ(run(1, nullptr), 0);
    EXPECT_EQ(send(0x3002, 1, nullptr), 0);
    EXPECT_THAT(*log, IsEmpty());
    EXPECT_THAT(env.boxTexts(), IsEmpty());
}

TEST_F(EntryLibraryMessagesTest, ARunRequestForAnotherIndexReachesNoTool) {
    startTools();
    EXPECT_EQ(run(2, "CCStartButton"), 0);
    EXPECT_THAT(*log, IsEmpty());
    EXPECT_THAT(env.boxTexts(), IsEmpty());
}

TEST_F(EntryLibraryMessagesTest, ARunRequestWithoutControllerShowsTheUnregisteredCallBox) {
    EXPECT_EQ(run(1, "CCStartButton"), 0);
    startTools();
    EXPECT_EQ(send(0x2001), 0);
    EXPECT_EQ(run(1, "CCStartButton"), 0);
    EXPECT_THAT(*log, ElementsAre("A deleted", "B deleted"));
    EXPECT_THAT(env.boxTexts(), ElementsAre(kUnregisteredCall, kUnregisteredCall));
}

TEST_F(EntryLibraryMessagesTest, UnloadAndShutDownLetEverythingGoAndMayBothArrive) {
    startTools();
    EXPECT_EQ(send(0x3005), 0);
    EXPECT_EQ(theAddon.controller(), nullptr);
    EXPECT_TRUE(theAddon.application().isEmpty());
    EXPECT_THAT(*log, ElementsAre("A deleted", "B deleted"));
    EXPECT_EQ(send(0x2001), 0);
    EXPECT_EQ(send(0x3005), 0);
    EXPECT_EQ(env.application().eventList().Count(), 0);
}

// Visio may send these messages while a tool is inside its own call into Visio (the
// simulator waiting out its firing delay): the tools go once that call has returned, not
// under it, and a load then starts anew.
TEST_F(EntryLibraryMessagesTest, UnloadShutDownOrLoadDuringAToolsCallIntoVisioWaitsForItsReturn) {
    for (uint16_t message : {uint16_t{0x2001}, uint16_t{0x3005}, uint16_t{0x2000}}) {
        SCOPED_TRACE(message);
        bool armed = false;
        ToolFactory waiting = recordingTool("A", log);
        waiting.create = [&, inner = waiting.create](ToolStartContext& context) {
            std::unique_ptr<SupportTool> tool = inner(context);
            static_cast<RecordingTool&>(*tool).onEvent = [&, log = log] {
                if (!armed) return;
                armed = false;
                env.applicationWrapper().ExecuteLine("wait(1)");
                log->push_back("A back from Visio");
            };
            return tool;
        };
        theAddon.setToolFactories(ToolFactoryList{waiting});
        env.application().hooks().wait = [&] {
            send(message, 0, message == 0x2000 ? asParam(&visioCallback) : nullptr);
        };
        startTools();
        armed = true;
        env.host.queueEvent(visio::visEvtCodeMarker, {});
        env.host.pump();
        std::vector<std::string> expected{"A event 4352", "A back from Visio", "A deleted"};
        if (message == 0x2000) expected.push_back("A created");
        EXPECT_EQ(*log, expected);
        EXPECT_EQ(theAddon.controller() != nullptr, message == 0x2000);
        env.application().hooks().wait = nullptr;
    }
}

}  // namespace
}  // namespace entrytest
