#include "app/MarkerSpy.h"

#include "platform/visio/VisioConstants.h"

namespace runner {

visio::ComRef<MarkerSpy> MarkerSpy::watch(const visio::ComRef<visio::IVApplication>& application) {
    visio::ComRef<MarkerSpy> spy(new MarkerSpy());
    if (application) {
        visio::ComRef<visio::IVEventList> events = application->EventList();
        if (events) {
            events->AddAdvise(visio::visEvtCodeMarker, visio::ObjectRef(spy.get()), "", "");
        }
    }
    return spy;
}

int32_t MarkerSpy::VisEventProc(int16_t, const visio::ObjectRef&, int32_t, int32_t,
                                const visio::ObjectRef&, const visio::Variant& moreInfo,
                                visio::Variant*) {
    if (const auto* text = std::get_if<std::string>(&moreInfo)) markers_.push_back(*text);
    return 0;
}

}  // namespace runner
