#include "platform/visio/VApplication.h"

#include "platform/visio/VAddons.h"
#include "platform/visio/VDocument.h"
#include "platform/visio/VDocuments.h"
#include "platform/visio/VEventList.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VUIObject.h"
#include "platform/visio/VWindow.h"
#include "platform/visio/VWindows.h"

namespace visio {

VDocument VApplication::ActiveDocument() const {
    return VDocument(call(&IVApplication::ActiveDocument));
}

VWindow VApplication::ActiveWindow() const {
    return VWindow(call(&IVApplication::ActiveWindow));
}

VPage VApplication::ActivePage() const {
    return VPage(call(&IVApplication::ActivePage));
}

VDocuments VApplication::Documents() const {
    return VDocuments(call(&IVApplication::Documents));
}

VWindows VApplication::Windows() const {
    return VWindows(call(&IVApplication::Windows));
}

VAddons VApplication::Addons() const {
    return VAddons(call(&IVApplication::Addons));
}

VEventList VApplication::EventList() const {
    return VEventList(call(&IVApplication::EventList));
}

int32_t VApplication::QueueMarkerEvent(const std::string& text) const {
    return call(&IVApplication::QueueMarkerEvent, text);
}

std::string VApplication::EventInfo(int32_t sequenceNumber) const {
    return call(&IVApplication::EventInfo, sequenceNumber);
}

void VApplication::DoCmd(int16_t command) const {
    call(&IVApplication::DoCmd, command);
}

VUIObject VApplication::CustomToolbars() const {
    return VUIObject(call(&IVApplication::CustomToolbars));
}

void VApplication::SetCustomToolbars(const VUIObject& ui) const {
    call(&IVApplication::SetCustomToolbars, ui.ref());
}

VUIObject VApplication::BuiltInToolbars(int16_t flags) const {
    return VUIObject(call(&IVApplication::BuiltInToolbars, flags));
}

int16_t VApplication::TypelibMajorVersion() const {
    return call(&IVApplication::TypelibMajorVersion);
}

int16_t VApplication::TypelibMinorVersion() const {
    return call(&IVApplication::TypelibMinorVersion);
}

intptr_t VApplication::WindowHandle32() const {
    return call(&IVApplication::WindowHandle32);
}

std::string VApplication::HelpPaths() const {
    return call(&IVApplication::HelpPaths);
}

void VApplication::SetHelpPaths(const std::string& paths) const {
    call(&IVApplication::SetHelpPaths, paths);
}

void VApplication::ExecuteLine(const std::string& line) const {
    call(&IVApplication::ExecuteLine, line);
}

}  // namespace visio
