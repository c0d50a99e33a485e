// The stand-in for Visio's Application object: the root that owns the documents, the
// windows, the add-ons list, the event list and queue, the toolbars, and the services
// every object of the host shares (formula cache, evaluator, geometry, call counters).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/visio/IVApplication.h"
#include "simhost/host/CallCounters.h"
#include "simhost/host/Evaluator.h"
#include "simhost/host/EventQueue.h"
#include "simhost/host/FormulaCache.h"
#include "simhost/host/Geometry.h"
#include "simhost/host/HostObject.h"
#include "simhost/host/HostRecords.h"
#include "simhost/sheet/ShapeSheet.h"

namespace simhost {

class Addons;
class Document;
class Documents;
class EventList;
class Page;
class UIObject;
class Window;
class Windows;

class Application : public HostObject<visio::IVApplication> {
public:
    Application();
    ~Application() override;

    // IVApplication
    QAV_VISIO_DECLARE_OVERRIDES(Application)

    // Shared services.
    CallCounters& counters() { return counters_; }
    EventQueue& events() { return events_; }
    Evaluator& evaluator() { return evaluator_; }
    FormulaCache& formulas() { return formulas_; }
    InheritedFormulas& inheritedFormulas() { return inheritedFormulas_; }
    Geometry& geometry() { return *geometry_; }
    // Replaces the outline geometry (tests put a simpler one in its place).
    void setGeometry(std::unique_ptr<Geometry> geometry);
    HostHooks& hooks() { return hooks_; }
    // Counts the changes to any document (formulas, rows, shapes, pages): what is
    // computed from a drawing stays valid while the count stays.
    uint64_t changeCount() const { return changes_; }
    void noteChange() { ++changes_; }
    HostLog& log() { return log_; }
    UserAnswers& answers() { return answers_; }

    // The collections, for the host's own use.
    simhost::Documents& documents() { return *documents_; }
    simhost::Windows& windows() { return *windows_; }
    simhost::Addons& addons() { return *addons_; }
    simhost::EventList& eventList() { return *eventList_; }

    // The active window and what it shows; null when there is none.
    Window* activeWindow() const;
    simhost::Document* activeDocument() const;
    Page* activePage() const;
    // Makes the window the active one and raises the window-activated event.
    void activate(Window& window);

    void setVersion(int16_t major, int16_t minor);
    void setWindowHandle(intptr_t handle) { windowHandle_ = handle; }
    // The UI object SetCustomToolbars installed last (empty until then).
    UIObject* customToolbars() const { return customToolbars_.get(); }
    UIObject& builtInToolbars() { return *builtInToolbars_; }

    // Closes every document without events and drops the subscriptions and anything
    // pending: the application keeps answering, as an empty Visio would.
    void shutdown();

private:
    CallCounters counters_;
    FormulaCache formulas_;
    InheritedFormulas inheritedFormulas_;
    Evaluator evaluator_;
    EventQueue events_;
    std::unique_ptr<Geometry> geometry_;
    HostHooks hooks_;
    HostLog log_;
    UserAnswers answers_;
    visio::ComRef<simhost::Documents> documents_;
    visio::ComRef<simhost::Windows> windows_;
    visio::ComRef<simhost::Addons> addons_;
    visio::ComRef<simhost::EventList> eventList_;
    visio::ComRef<UIObject> customToolbars_;
    visio::ComRef<UIObject> builtInToolbars_;
    uint64_t changes_ = 0;
    int16_t versionMajor_ = 4;
    int16_t versionMinor_ = 11;
    intptr_t windowHandle_ = 0x10010;
    std::string helpPaths_;
};

}  // namespace simhost
