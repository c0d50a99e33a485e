#include "platform/com/ClientObject.h"

namespace com {

visio::IVObject* makeProxy(visio::InterfaceId id, std::shared_ptr<ClientSession> session,
                           visio::ComRef<IDispatch> dispatch, IUnknown* identity) {
    switch (id) {
#define QAV_COM_MAKE_PROXY(Object)                                                  \
    case visio::InterfaceId::Object:                                                \
        return static_cast<visio::IV##Object*>(new ClientObject<visio::IV##Object>( \
            std::move(session), std::move(dispatch), identity));
        QAV_VISIO_OBJECTS(QAV_COM_MAKE_PROXY)
#undef QAV_COM_MAKE_PROXY
        case visio::InterfaceId::Object:
            return new ClientObject<visio::IVObject>(std::move(session), std::move(dispatch),
                                                     identity);
        default:
            return nullptr;
    }
}

visio::ComRef<visio::IVApplication> applicationOver(IDispatch* dispatch) {
    visio::IVObject* application =
        ClientSession::create()->proxyFor(dispatch, visio::InterfaceId::Application);
    return visio::ComRef<visio::IVApplication>::adopt(
        static_cast<visio::IVApplication*>(application));
}

}  // namespace com
