#include "platform/visio/VDocument.h"

#include "platform/visio/VPages.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VUIObject.h"

namespace visio {

int32_t VDocument::ID() const {
    return call(&IVDocument::ID);
}

std::string VDocument::Name() const {
    return call(&IVDocument::Name);
}

std::string VDocument::FullName() const {
    return call(&IVDocument::FullName);
}

std::string VDocument::Path() const {
    return call(&IVDocument::Path);
}

std::string VDocument::Title() const {
    return call(&IVDocument::Title);
}

std::string VDocument::Subject() const {
    return call(&IVDocument::Subject);
}

std::string VDocument::Creator() const {
    return call(&IVDocument::Creator);
}

std::string VDocument::Manager() const {
    return call(&IVDocument::Manager);
}

std::string VDocument::Company() const {
    return call(&IVDocument::Company);
}

std::string VDocument::Category() const {
    return call(&IVDocument::Category);
}

std::string VDocument::Keywords() const {
    return call(&IVDocument::Keywords);
}

std::string VDocument::Description() const {
    return call(&IVDocument::Description);
}

VPages VDocument::Pages() const {
    return VPages(call(&IVDocument::Pages));
}

VShape VDocument::DocumentSheet() const {
    return VShape(call(&IVDocument::DocumentSheet));
}

bool VDocument::Saved() const {
    return call(&IVDocument::Saved);
}

void VDocument::SetSaved(bool saved) const {
    call(&IVDocument::SetSaved, saved);
}

VUIObject VDocument::CustomToolbars() const {
    return VUIObject(call(&IVDocument::CustomToolbars));
}

}  // namespace visio
