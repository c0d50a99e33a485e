#include "simhost/com/FaceSession.h"

#include "platform/visio/IVApplication.h"
#include "platform/visio/IVDocument.h"
#include "platform/visio/IVEvents.h"
#include "platform/visio/IVShape.h"
#include "platform/visio/IVUIObject.h"
#include "platform/visio/IVWindow.h"
#include "simhost/com/Face.h"
#include "simhost/com/RemoteSink.h"

namespace simhost::comface {
namespace {

template <class I>
FaceBase* newFace(const std::shared_ptr<FaceSession>& session, const visio::ObjectRef& object) {
    visio::ComRef<I> typed = visio::query<I>(object);
    return typed ? new Face<I>(session, std::move(typed)) : nullptr;
}

}  // namespace

std::shared_ptr<FaceSession> FaceSession::create() {
    return std::shared_ptr<FaceSession>(new FaceSession());
}

IDispatch* FaceSession::faceOf(const visio::ObjectRef& object) {
    if (!object) return nullptr;
    auto known = faces_.find(object.get());
    FaceBase* face = known != faces_.end() ? known->second : nullptr;
    std::shared_ptr<FaceSession> self = shared_from_this();
#define QAV_COM_NEW_FACE(Object) \
    if (!face) face = newFace<visio::IV##Object>(self, object);
    QAV_VISIO_OBJECTS(QAV_COM_NEW_FACE)
#undef QAV_COM_NEW_FACE
    if (!face) return nullptr;
    faces_[object.get()] = face;
    face->AddRef();
    return face;
}

visio::ObjectRef FaceSession::objectOf(IDispatch* dispatch, visio::InterfaceId id) {
    if (!dispatch) return visio::ObjectRef();
    IDispatch* own = nullptr;
    if (SUCCEEDED(dispatch->QueryInterface(kFaceIid, reinterpret_cast<void**>(&own))) && own) {
        visio::ObjectRef target = static_cast<FaceBase*>(own)->target();
        own->Release();
        return visio::ObjectRef::adopt(target ? target->QueryInterface(id) : nullptr);
    }
    if (id != visio::InterfaceId::Object) return visio::ObjectRef();
    return visio::ObjectRef(RemoteSink::create(shared_from_this(), dispatch).get());
}

void FaceSession::forget(const visio::IVObject* target) {
    faces_.erase(target);
}

}  // namespace simhost::comface
