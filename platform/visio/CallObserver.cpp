#include "platform/visio/CallObserver.h"

namespace visio {
namespace {

os::Registration<CallObserver> observer;

}  // namespace

CallObserver* callObserver() {
    return observer.get();
}

CallObserver* setCallObserver(CallObserver* replacement) {
    return observer.set(replacement);
}

os::Registration<CallObserver>& callObserverRegistration() {
    return observer;
}

}  // namespace visio
