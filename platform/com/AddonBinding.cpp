// Built into the add-on library on Windows: while the library is loaded, the locator
// hands the Visio it finds through COM to the client adapter, which makes the port's
// application of it.
#include "platform/com/ClientSession.h"
#include "platform/visio/ApplicationLocator.h"

namespace {

visio::ComRef<visio::IVApplication> applicationOverDispatch(void* dispatch) {
    return com::applicationOver(static_cast<IDispatch*>(dispatch));
}

struct AdapterInstallation {
    AdapterInstallation() {
        visio::ApplicationLocator::setDispatchAdapter(&applicationOverDispatch);
    }
    ~AdapterInstallation() { visio::ApplicationLocator::setDispatchAdapter(nullptr); }
};

const AdapterInstallation installation;

}  // namespace
