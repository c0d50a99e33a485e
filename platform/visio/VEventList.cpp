#include "platform/visio/VEventList.h"

#include "platform/visio/VEvent.h"

namespace visio {

int32_t VEventList::Count() const {
    return call(&IVEventList::Count);
}

VEvent VEventList::AddAdvise(int16_t eventCode, const Variant& sink, const std::string& sinkIID,
                             const std::string& targetArgs) const {
    return VEvent(call(&IVEventList::AddAdvise, eventCode, sink, sinkIID, targetArgs));
}

}  // namespace visio
