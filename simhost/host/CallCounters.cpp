#include "simhost/host/CallCounters.h"

#include <algorithm>

#include "platform/visio/IVApplication.h"
#include "platform/visio/IVDocument.h"
#include "platform/visio/IVEvents.h"
#include "platform/visio/IVShape.h"
#include "platform/visio/IVUIObject.h"
#include "platform/visio/IVWindow.h"

namespace simhost {
namespace {

template <class I>
std::string rowName(const char* object, int row) {
    std::string name = "?";
    int at = 0;
    visio::forEachMember<I>([&](const auto& r) {
        if (at++ != row) return;
        name = std::string(object) + "." + r.visioName;
        if (r.kind == visio::MemberKind::Put) name += " (put)";
    });
    return name;
}

}  // namespace

uint64_t CallCounters::hostCalls() const {
    uint64_t calls = 0;
    for (const auto& [member, count] : memberCalls) calls += count;
    return calls;
}

std::vector<MemberCallCount> CallCounters::mostCalledMembers() const {
    std::vector<MemberCallCount> ranking;
    for (const auto& [member, count] : memberCalls)
        ranking.push_back({memberName(member.first, member.second), count});
    std::sort(ranking.begin(), ranking.end(),
              [](const MemberCallCount& a, const MemberCallCount& b) {
                  return a.calls != b.calls ? a.calls > b.calls : a.member < b.member;
              });
    return ranking;
}

std::string memberName(visio::InterfaceId object, int row) {
#define QAV_NAME_OF_ROW(Object) \
    if (object == visio::IV##Object::kId) return rowName<visio::IV##Object>(#Object, row);
    QAV_VISIO_OBJECTS(QAV_NAME_OF_ROW)
#undef QAV_NAME_OF_ROW
    return "?";
}

PortCallCounter::PortCallCounter(CallCounters& counters)
    : counters_(counters), replaced_(visio::setCallObserver(this)) {}

// A counter installed after this one and still in place stays.
PortCallCounter::~PortCallCounter() {
    if (visio::callObserver() == this) visio::setCallObserver(replaced_);
}

void PortCallCounter::memberCalled(visio::InterfaceId object, int row) {
    ++counters_.memberCalls[{object, row}];
}

}  // namespace simhost
