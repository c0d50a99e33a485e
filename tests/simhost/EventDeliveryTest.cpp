// Events of the stand-in host: raised by host operations, delivered in order when the
// host pumps, the idle event last; not re-entered, except inside ExecuteLine("wait(1)").
#include <gtest/gtest.h>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Cell.h"
#include "simhost/host/EventList.h"
#include "simhost/host/Host.h"
#include "tests/support/EventRecorder.h"

namespace simhost {
namespace {

using testsupport::EventRecorder;
using namespace visio;

class EventDeliveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = host.newDocument();
        page = document->page(1);
        recorder.subscribeAll();
    }

    Host host;
    visio::ComRef<Document> document;
    Page* page = nullptr;
    EventRecorder recorder{host.application()};
};

TEST_F(EventDeliveryTest, UserActionsDeliverTheirEventsThenOneIdleEvent) {
    auto shape = host.addShape(*page, ShapeSpec::box(1, 1, 1, 1));
    host.setFormula(*shape, "LineColor", "2");
    EXPECT_EQ(recorder.codes(),
              (std::vector<int16_t>{visEvtCodeShapeAdded, visEvtCodeNoEventsPending,
                                    visEvtCodeCellChanged, visEvtCodeNoEventsPending}));
    const auto& events = recorder.events();
    EXPECT_EQ(events[0].subject, visio::ObjectRef(shape.get()));
    EXPECT_EQ(events[0].source, visio::ObjectRef(&host.application()));
    EXPECT_LT(events[0].sequence, events[2].sequence);
    auto cell = query<IVCell>(events[2].subject);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->Name(), "LineColor");
    EXPECT_EQ(cell->Shape(), ComRef<IVShape>(shape.get()));
    EXPECT_EQ(events[3].subject, visio::ObjectRef(&host.application()));

    // Without anything pending, a pump delivers only the idle event.
    recorder.clear();
    host.pump();
    EXPECT_EQ(recorder.codes(), std::vector<int16_t>{visEvtCodeNoEventsPending});
}

TEST_F(EventDeliveryTest, EventsRaisedByAHandlerWaitUntilItReturns) {
    auto shape = host.addShape(*page, ShapeSpec::box(1, 1, 1, 1));
    std::vector<std::string> seen;
    recorder.onEvent(visEvtCodeShapeAdded, [&](const EventRecorder::Received&) {
        host.application().QueueMarkerEvent("from the handler");
        shape->CellsU("LineColor")->SetFormulaU("3");
        host.pump();  // a user action inside a handler delivers nothing
        seen.push_back("handler done, " + std::to_string(recorder.events().size()));
    });
    recorder.onEvent(visEvtCodeMarker, [&](const EventRecorder::Received& e) {
        seen.push_back(host.application().EventInfo(0));
        seen.push_back(host.application().EventInfo(e.sequence));
    });
    recorder.clear();
    host.addShape(*page, ShapeSpec::box(3, 1, 1, 1));
    EXPECT_EQ(recorder.codes(),
              (std::vector<int16_t>{visEvtCodeShapeAdded, visEvtCodeMarker, visEvtCodeCellChanged,
                                    visEvtCodeNoEventsPending}));
    EXPECT_EQ(seen, (std::vector<std::string>{"handler done, 1", "from the handler",
                                              "from the handler"}));
    EXPECT_TRUE(recorder.events()[1].hasInfo);
    EXPECT_EQ(recorder.events()[1].info, "from the handler");
    EXPECT_FALSE(recorder.events()[0].hasInfo);
    EXPECT_EQ(host.application().EventInfo(0), "");
}

TEST_F(EventDeliveryTest, WaitDeliversPendingEventsAtOnce) {
    auto shape = host.addShape(*page, ShapeSpec::box(1, 1, 1, 1));
    std::vector<std::string> order;
    recorder.onEvent(visEvtCodeMarker, [&](const EventRecorder::Received& e) {
        order.push_back(e.info);
        if (e.info != "first") return;
        host.application().QueueMarkerEvent("second");
        host.application().ExecuteLine("wait(1)");
        order.push_back("after wait");
    });
    int waits = 0;
    host.application().hooks().wait = [&]() { ++waits; };
    host.application().QueueMarkerEvent("first");
    host.pump();
    EXPECT_EQ(order, (std::vector<std::string>{"first", "second", "after wait"}));
    EXPECT_EQ(waits, 1);
    EXPECT_EQ(host.application().log().waitCalls, 1u);
    // Other lines are recorded and do nothing.
    host.application().ExecuteLine("DoSomething");
    EXPECT_EQ(host.application().log().macroLines, std::vector<std::string>{"DoSomething"});
    (void)shape;
}

TEST_F(EventDeliveryTest, BeforeDeleteArrivesWhileTheShapeIsStillThere) {
    auto group =
        host.addShape(*page, ShapeSpec::group(4, 4, 2, 2).member(ShapeSpec::box(1, 1, 0.5, 0.5)));
    auto member = group->memberList().front();
    std::vector<int32_t> idsSeen;
    recorder.onEvent(visEvtCodeBefShapeDelete, [&](const EventRecorder::Received& e) {
        auto subject = query<IVShape>(e.subject);
        idsSeen.push_back(subject->ID());
        EXPECT_DOUBLE_EQ(subject->CellsU("Width")->ResultIU(),
                         subject->ID() == group->id() ? 2 : 0.5);
        EXPECT_TRUE(page->findShape(subject->ID()));
    });
    recorder.clear();
    host.deleteShape(*group);
    EXPECT_EQ(idsSeen, (std::vector<int32_t>{group->id(), member->id()}));
    EXPECT_EQ(recorder.codes().back(), visEvtCodeNoEventsPending);
    EXPECT_TRUE(group->isDeleted());
    EXPECT_TRUE(member->isDeleted());
    EXPECT_EQ(page->findShape(member->id()), nullptr);
}

TEST_F(EventDeliveryTest, SavesRaiseTheirEventsAroundTheSave) {
    std::vector<std::string> seen;
    auto note = [&](const char* what) {
        return [&, what](const EventRecorder::Received&) {
            seen.push_back(std::string(what) + (document->Path().empty() ? " unsaved" : " saved"));
        };
    };
    recorder.onEvent(visEvtCodeBefDocSaveAs, note("before save as"));
    recorder.onEvent(visEvtCodeDocSaveAs, note("saved as"));
    recorder.onEvent(visEvtCodeBefDocSave, note("before save"));
    recorder.onEvent(visEvtCodeDocSave, note("saved"));

    // Save on a never-saved document is a save as, under the answer the user gives.
    host.answerSaveAs(std::string("/drawings/net.vsd"));
    host.application().DoCmd(visCmdFileSave);
    host.pump();
    EXPECT_EQ(seen, (std::vector<std::string>{"before save as unsaved", "saved as saved"}));
    EXPECT_EQ(document->Name(), "net.vsd");
    EXPECT_EQ(document->Path(), "/drawings/");
    EXPECT_EQ(document->FullName(), "/drawings/net.vsd");
    EXPECT_TRUE(document->Saved());

    seen.clear();
    host.setText(*host.addShape(*page, ShapeSpec::box(1, 1, 1, 1)), "x");
    EXPECT_FALSE(document->Saved());
    host.application().DoCmd(visCmdFileSave);
    host.pump();
    EXPECT_EQ(seen, (std::vector<std::string>{"before save saved", "saved saved"}));

    // A cancelled save-as dialog saves nothing; without an answer the default name is used.
    seen.clear();
    host.answerSaveAs(std::nullopt);
    host.application().DoCmd(visCmdFileSaveAs);
    host.pump();
    EXPECT_TRUE(seen.empty());
    auto other = host.newDocument();
    host.application().DoCmd(visCmdFileSaveAs);
    host.pump();
    EXPECT_NE(other->Path(), "");
    EXPECT_EQ(other->Name(), "Drawing2.vsd");
    EXPECT_EQ(
        host.application().log().commands,
        (std::vector<int16_t>{visCmdFileSave, visCmdFileSave, visCmdFileSaveAs, visCmdFileSaveAs}));
}

TEST_F(EventDeliveryTest, DocumentsWindowsAndPagesRaiseTheirEvents) {
    recorder.clear();
    auto opened = host.openDocument("/drawings/petri.vsd", [](Document& d) {
        d.page(1)->addShape(ShapeSpec::box(1, 1, 1, 1));  // loading raises nothing
        d.addPage("Second");
    });
    EXPECT_EQ(recorder.codes(), (std::vector<int16_t>{visEvtCodeDocOpen, visEvtCodeWinActivate,
                                                      visEvtCodeNoEventsPending}));
    EXPECT_EQ(opened->Name(), "petri.vsd");
    EXPECT_EQ(opened->Pages()->Count(), 2);
    EXPECT_TRUE(opened->Saved());

    Window* window = host.application().activeWindow();
    recorder.clear();
    host.turnToPage(*window, *opened->page(2));
    window->SetPage("Page-1");
    host.pump();
    host.addPage(*opened);
    opened->page(2)->SetName("Renamed");
    host.changeWindow(*window);
    EXPECT_EQ(
        recorder.codesWithoutIdle(),
        (std::vector<int16_t>{visEvtCodeWinPageTurn, visEvtCodeWinPageTurn, visEvtCodePageAdded,
                              visEvtCodePageChanged, visEvtCodeWindowChanged}));

    std::vector<bool> pagesDuringClose;
    recorder.onEvent(visEvtCodeBefDocClose, [&](const EventRecorder::Received& e) {
        pagesDuringClose.push_back(query<IVDocument>(e.subject)->Pages()->Count() == 3);
    });
    recorder.clear();
    host.closeDocument(*opened);
    EXPECT_EQ(pagesDuringClose, std::vector<bool>{true});
    EXPECT_TRUE(opened->isDeleted());
    EXPECT_EQ(host.application().Documents()->Count(), 1);
    // The remaining window becomes the active one.
    EXPECT_EQ(recorder.codesWithoutIdle(),
              (std::vector<int16_t>{visEvtCodeBefDocClose, visEvtCodeWinActivate}));
    EXPECT_EQ(host.application().activeDocument(), document.get());
}

TEST_F(EventDeliveryTest, NewPageSizesChangeThePage) {
    Shape& sheet = *page->pageSheet();
    recorder.clear();
    sheet.CellsU("PageWidth")->SetFormulaForceU("297 mm");
    sheet.CellsU("PageWidth")->SetFormulaForceU("297 mm");   // the same again changes nothing
    sheet.CellsU("XGridSpacing")->SetFormulaForceU("4 mm");  // not the page row
    host.pump();
    EXPECT_EQ(recorder.codesWithoutIdle(),
              (std::vector<int16_t>{visEvtCodeCellChanged, visEvtCodePageChanged,
                                    visEvtCodeCellChanged, visEvtCodeCellChanged}));
    EXPECT_EQ(recorder.events()[1].subject, visio::ObjectRef(page));
}

TEST_F(EventDeliveryTest, CommandsAndScopesRaiseWhatTheUsersActionWould) {
    auto shape = host.addShape(*page, ShapeSpec::box(1, 1, 1, 1));
    host.select(*shape);
    recorder.clear();
    host.application().DoCmd(visCmdTextEdit);
    host.queueScopeEvent(1227, "Edit text");
    host.pump();
    ASSERT_EQ(recorder.codesWithoutIdle(),
              (std::vector<int16_t>{visEvtCodeShapeTextEdit, visEvtCodeEnterScope}));
    EXPECT_EQ(recorder.events()[0].subject, visio::ObjectRef(shape.get()));
    EXPECT_EQ(recorder.events()[1].info, "1227;Edit text");

    // A picture import adds the picture and selects it; a cancelled one adds nothing.
    host.answerPictureImport(PictureChoice{2, 1, "Logo", ""});
    host.answerPictureImport(std::nullopt);
    recorder.clear();
    int32_t before = page->Shapes()->Count();
    host.application().DoCmd(visCmdInsertPicture);
    host.pump();
    EXPECT_EQ(page->Shapes()->Count(), before + 1);
    auto picture = page->Shapes()->Item(before + 1);
    EXPECT_EQ(picture->Type(), visio::visTypeForeignObject);
    EXPECT_DOUBLE_EQ(picture->CellsU("Width")->ResultIU(), 2);
    auto selection = host.application().ActiveWindow()->Selection();
    ASSERT_EQ(selection->Count(), 1);
    EXPECT_EQ(selection->Item(1), picture);
    EXPECT_EQ(
        recorder.codesWithoutIdle(),
        (std::vector<int16_t>{visEvtCodeShapeAdded, visEvtCodeSelChanged, visEvtCodeSelChanged}));
    host.application().DoCmd(visCmdInsertPicture);
    host.pump();
    EXPECT_EQ(page->Shapes()->Count(), before + 1);
}

// A sink that counts its calls and tells when it is destroyed.
class CountingSink : public HostObject<IVEventSink> {
public:
    CountingSink(int* calls, bool* destroyed) : calls_(calls), destroyed_(destroyed) {}
    ~CountingSink() override { *destroyed_ = true; }
    int32_t VisEventProc(int16_t, const ObjectRef&, int32_t, int32_t, const ObjectRef&,
                         const Variant&, Variant*) override {
        ++*calls_;
        return 0;
    }

private:
    int* calls_;
    bool* destroyed_;
};

TEST_F(EventDeliveryTest, SubscriptionsHoldTheirSinkUntilDeleted) {
    EventList& list = host.application().eventList();
    int32_t count = list.Count();
    int calls = 0;
    bool destroyed = false;
    ComRef<IVEvent> subscription;
    {
        auto sink = makeObject<CountingSink>(&calls, &destroyed);
        subscription = list.AddAdvise(visEvtCodeMarker, Variant(ObjectRef(sink.get())), "", "");
    }
    ASSERT_TRUE(subscription);
    EXPECT_EQ(subscription->Event(), visEvtCodeMarker);
    EXPECT_EQ(list.Count(), count + 1);
    EXPECT_FALSE(destroyed);  // the list holds the sink

    host.application().QueueMarkerEvent("one");
    host.pump();
    EXPECT_EQ(calls, 1);

    subscription->Delete();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(list.Count(), count);
    EXPECT_EQ(subscription->Event(), 0);
    host.application().QueueMarkerEvent("two");
    host.pump();
    EXPECT_EQ(calls, 1);

    // Anything that is no sink subscribes nothing.
    EXPECT_FALSE(list.AddAdvise(visEvtCodeMarker, Variant(int32_t(1)), "", ""));
    EXPECT_FALSE(list.AddAdvise(visEvtCodeMarker, Variant(ObjectRef(page)), "", ""));
    EXPECT_EQ(list.Count(), count);
}

TEST_F(EventDeliveryTest, NegativeCodesArriveAsSigned16Bits) {
    recorder.clear();
    host.addShape(*page, ShapeSpec::box(1, 1, 1, 1));
    ASSERT_FALSE(recorder.events().empty());
    EXPECT_EQ(recorder.events()[0].code, -32704);
}

}  // namespace
}  // namespace simhost
