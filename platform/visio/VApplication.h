// The Visio application.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVApplication.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VAddons;
class VDocument;
class VDocuments;
class VEventList;
class VPage;
class VUIObject;
class VWindow;
class VWindows;

class VApplication : public Wrapper<IVApplication> {
public:
    using Interface = IVApplication;
    using Wrapper::Wrapper;

    VDocument ActiveDocument() const;
    VWindow ActiveWindow() const;
    VPage ActivePage() const;
    VDocuments Documents() const;
    VWindows Windows() const;
    VAddons Addons() const;
    VEventList EventList() const;
    int32_t QueueMarkerEvent(const std::string& text) const;
    std::string EventInfo(int32_t sequenceNumber) const;
    void DoCmd(int16_t command) const;
    VUIObject CustomToolbars() const;
    void SetCustomToolbars(const VUIObject& ui) const;
    VUIObject BuiltInToolbars(int16_t flags) const;
    int16_t TypelibMajorVersion() const;
    int16_t TypelibMinorVersion() const;
    intptr_t WindowHandle32() const;
    std::string HelpPaths() const;
    void SetHelpPaths(const std::string& paths) const;
    void ExecuteLine(const std::string& line) const;
};

}  // namespace visio
