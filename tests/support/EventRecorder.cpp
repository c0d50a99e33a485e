#include "tests/support/EventRecorder.h"

#include "core/MainController.h"
#include "platform/visio/IVEvents.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/HostObject.h"

namespace testsupport {
namespace {

class RecordingSink : public simhost::HostObject<visio::IVEventSink> {
public:
    explicit RecordingSink(std::function<void(const EventRecorder::Received&)> record)
        : record_(std::move(record)) {}

    int32_t VisEventProc(int16_t eventCode, const visio::ObjectRef& source, int32_t eventId,
                         int32_t eventSeqNum, const visio::ObjectRef& subject,
                         const visio::Variant& moreInfo, visio::Variant*) override {
        EventRecorder::Received event;
        event.code = eventCode;
        event.eventId = eventId;
        event.sequence = eventSeqNum;
        event.source = source;
        event.subject = subject;
        if (const auto* text = std::get_if<std::string>(&moreInfo)) {
            event.hasInfo = true;
            event.info = *text;
        }
        record_(event);
        return 0;
    }

private:
    std::function<void(const EventRecorder::Received&)> record_;
};

}  // namespace

EventRecorder::EventRecorder(simhost::Application& application) : application_(application) {}

void EventRecorder::subscribe(int16_t code, Handler handler) {
    if (handler) handlers_[code] = std::move(handler);
    auto sink = simhost::makeObject<RecordingSink>([this](const Received& e) { record(e); });
    application_.EventList()->AddAdvise(code, visio::Variant(visio::ObjectRef(sink.get())), "", "");
}

void EventRecorder::subscribeAll() {
    for (int16_t code : MainController::subscribedEventCodes()) subscribe(code);
}

void EventRecorder::onEvent(int16_t code, Handler handler) {
    handlers_[code] = std::move(handler);
}

void EventRecorder::record(const Received& event) {
    events_.push_back(event);
    auto it = handlers_.find(event.code);
    if (it == handlers_.end() || !it->second) return;
    Handler handler = it->second;  // the handler may subscribe more
    handler(event);
}

std::vector<int16_t> EventRecorder::codes() const {
    std::vector<int16_t> codes;
    for (const auto& e : events_) codes.push_back(e.code);
    return codes;
}

std::vector<int16_t> EventRecorder::codesWithoutIdle() const {
    std::vector<int16_t> codes;
    for (const auto& e : events_)
        if (e.code != visio::visEvtCodeNoEventsPending) codes.push_back(e.code);
    return codes;
}

}  // namespace testsupport
