#include "simhost/host/Application.h"

#include <algorithm>
#include <cctype>

#include "platform/visio/VisioConstants.h"
#include "simhost/geometry/OutlineGeometry.h"
#include "simhost/host/Addons.h"
#include "simhost/host/Document.h"
#include "simhost/host/DocumentCommands.h"
#include "simhost/host/Documents.h"
#include "simhost/host/EventList.h"
#include "simhost/host/Page.h"
#include "simhost/host/UIObject.h"
#include "simhost/host/Window.h"
#include "simhost/host/Windows.h"

namespace simhost {
namespace {

// "wait(1)", as the add-on writes it; blanks and letter case do not matter.
bool isWaitLine(const std::string& line) {
    std::string compact;
    for (char c : line)
        if (!std::isspace(static_cast<unsigned char>(c)))
            compact += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return compact == "wait(1)";
}

}  // namespace

Application::Application()
    : evaluator_(*this),
      events_(*this),
      geometry_(std::make_unique<geometry::OutlineGeometry>()),
      documents_(makeObject<simhost::Documents>(this)),
      windows_(makeObject<simhost::Windows>()),
      addons_(makeObject<simhost::Addons>()),
      eventList_(makeObject<simhost::EventList>(this)),
      builtInToolbars_(UIObject::builtIn()) {}

Application::~Application() {
    shutdown();
}

visio::ComRef<visio::IVDocument> Application::ActiveDocument() {
    return visio::ComRef<visio::IVDocument>(activeDocument());
}

visio::ComRef<visio::IVWindow> Application::ActiveWindow() {
    return visio::ComRef<visio::IVWindow>(activeWindow());
}

visio::ComRef<visio::IVPage> Application::ActivePage() {
    return visio::ComRef<visio::IVPage>(activePage());
}

visio::ComRef<visio::IVDocuments> Application::Documents() {
    return documents_;
}

visio::ComRef<visio::IVWindows> Application::Windows() {
    return windows_;
}

visio::ComRef<visio::IVAddons> Application::Addons() {
    return addons_;
}

visio::ComRef<visio::IVEventList> Application::EventList() {
    if (eventList_->isDeleted()) return {};
    return eventList_;
}

int32_t Application::QueueMarkerEvent(const std::string& text) {
    return events_.queue(visio::visEvtCodeMarker, nullptr, text);
}

std::string Application::EventInfo(int32_t sequenceNumber) {
    return events_.infoOf(sequenceNumber);
}

void Application::DoCmd(int16_t command) {
    DocumentCommands::run(*this, command);
}

visio::ComRef<visio::IVUIObject> Application::CustomToolbars() {
    return customToolbars_;
}

void Application::SetCustomToolbars(const visio::ComRef<visio::IVUIObject>& ui) {
    // Only UI objects of this host can be installed; anything else removes the bars.
    customToolbars_ = visio::ComRef<UIObject>(dynamic_cast<UIObject*>(ui.get()));
}

// As Visio does, a copy: changing it changes no built-in toolbar.
visio::ComRef<visio::IVUIObject> Application::BuiltInToolbars(int16_t) {
    return builtInToolbars_->Clone();
}

int16_t Application::TypelibMajorVersion() {
    return versionMajor_;
}

int16_t Application::TypelibMinorVersion() {
    return versionMinor_;
}

intptr_t Application::WindowHandle32() {
    return windowHandle_;
}

std::string Application::HelpPaths() {
    return helpPaths_;
}

void Application::SetHelpPaths(const std::string& paths) {
    helpPaths_ = paths;
}

void Application::ExecuteLine(const std::string& line) {
    if (!isWaitLine(line)) {
        log_.macroLines.push_back(line);
        return;
    }
    ++log_.waitCalls;
    events_.deliverPending();
    if (hooks_.wait) hooks_.wait();
}

void Application::setGeometry(std::unique_ptr<Geometry> geometry) {
    if (geometry) geometry_ = std::move(geometry);
}

Window* Application::activeWindow() const {
    return windows_->active();
}

simhost::Document* Application::activeDocument() const {
    if (Window* window = activeWindow()) return window->document();
    const auto& documents = documents_->list();
    return documents.empty() ? nullptr : documents.back().get();
}

Page* Application::activePage() const {
    Window* window = activeWindow();
    return window ? window->page() : nullptr;
}

void Application::activate(Window& window) {
    if (window.isDeleted()) return;
    windows_->setActive(&window);
    events_.queue(visio::visEvtCodeWinActivate, visio::ObjectRef(&window));
}

void Application::setVersion(int16_t major, int16_t minor) {
    versionMajor_ = major;
    versionMinor_ = minor;
}

void Application::shutdown() {
    events_.clear();
    windows_->closeAll();
    documents_->closeAll();
    eventList_->detach();
    events_.clear();
    customToolbars_.reset();
    // Hooks may hold references to the host's objects; letting go of them ends cycles.
    hooks_ = HostHooks();
}

}  // namespace simhost
