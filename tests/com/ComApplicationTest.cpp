// The add-on's way to Visio through COM, against the stand-in behind its face: found as
// the running Visio of its class, its objects the same proxies each time they come back,
// its events delivered to the add-on's sinks through IDispatch with the extra
// information readable while they are delivered, and nothing held once let go.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/ClientSession.h"
#include "platform/visio/ApplicationLocator.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VDocument.h"
#include "platform/visio/VDocuments.h"
#include "platform/visio/VEvent.h"
#include "platform/visio/VEventList.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VPages.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/com/ActiveApplication.h"
#include "simhost/host/Host.h"
#include "simhost/host/HostObject.h"

namespace {

// What the add-on's sinks do with an event: here, write it down.
class RecordingSink final : public simhost::HostObject<visio::IVEventSink> {
public:
    explicit RecordingSink(std::function<std::string(const visio::ObjectRef&)> describe)
        : describe_(std::move(describe)) {}
    int32_t VisEventProc(int16_t code, const visio::ObjectRef&, int32_t, int32_t,
                         const visio::ObjectRef& subject, const visio::Variant&,
                         visio::Variant*) override {
        received.push_back(std::to_string(code) + " " + describe_(subject));
        return 0;
    }
    std::vector<std::string> received;

private:
    std::function<std::string(const visio::ObjectRef&)> describe_;
};

visio::ComRef<visio::IVApplication> adapt(void* dispatch) {
    return com::applicationOver(static_cast<IDispatch*>(dispatch));
}

TEST(ComApplicationTest, TheAddOnReachesTheRunningVisioOnlyThroughCom) {
    simhost::Host host;
    simhost::comface::ActiveApplication active(host.applicationRef());
    ASSERT_TRUE(active.registered());
    visio::ApplicationLocator::setDispatchAdapter(&adapt);
    {
        visio::VApplication app(visio::ApplicationLocator::getActiveObject());
        ASSERT_FALSE(app.isEmpty());
        EXPECT_NE(app.get(), static_cast<visio::IVApplication*>(&host.application()));
        auto document = host.newDocument("Net");
        visio::VPage page = app.Documents().Item(1).Pages().Item(1);
        ASSERT_EQ(page.Name(), document->page(1)->Name());

        visio::ComRef<RecordingSink> sink(new RecordingSink([&](const visio::ObjectRef& subject) {
            // Read while the event is delivered, as the tools do.
            visio::VShape shape = visio::VObject(subject).as<visio::VShape>();
            return shape.isEmpty() ? app.EventInfo(0)
                                   : shape.Name() + (shape.isSameObject(page.Shapes().Item(1))
                                                         ? " (the page's first)"
                                                         : "");
        }));
        visio::VEventList events = app.EventList();
        visio::VEvent added =
            events.AddAdvise(visio::visEvtCodeShapeAdded, visio::ObjectRef(sink.get()), "", "");
        visio::VEvent marker =
            events.AddAdvise(visio::visEvtCodeMarker, visio::ObjectRef(sink.get()), "", "");
        host.addShape(*document->page(1), simhost::ShapeSpec::box(2, 2, 1, 1).name("P1"));
        app.QueueMarkerEvent("CC2PNS-CC_Entered_CheckingState");
        host.pump();
        EXPECT_EQ(sink->received,
                  (std::vector<std::string>{"-32704 P1 (the page's first)",
                                            "4352 CC2PNS-CC_Entered_CheckingState"}));
        added.Delete();
        marker.Delete();
        EXPECT_EQ(active.session().counts().liveSinks, 0u);
    }
    active.revoke();
    visio::ApplicationLocator::setDispatchAdapter(nullptr);
    EXPECT_EQ(active.session().counts().liveFaces, 0u);
    EXPECT_FALSE(visio::ApplicationLocator::getActiveObject());
}

}  // namespace
