#include "platform/visio/CallObserver.h"

namespace visio {
namespace {

CallObserver* observer = nullptr;

}  // namespace

CallObserver* callObserver() {
    return observer;
}

CallObserver* setCallObserver(CallObserver* replacement) {
    CallObserver* replaced = observer;
    observer = replacement;
    return replaced;
}

}  // namespace visio
