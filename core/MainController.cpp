#include "core/MainController.h"

#include <utility>

#include "core/VisioEventRouter.h"
#include "core/VisioEventSink.h"
#include "helpers/AddonConstants.h"
#include "platform/ui/Backend.h"
#include "platform/ui/WinApiConstants.h"
#include "platform/visio/VAddon.h"
#include "platform/visio/VAddons.h"
#include "platform/visio/VEventList.h"
#include "platform/visio/VisioConstants.h"

namespace {

constexpr char kSecondCopyWarning[] =
    "Caution! At least two QAV Stencils installations (more than one running copy of the "
    "QAVSupportTools.vsl Addon) were detected. This leads to strange UI behaviour. Please "
    "uninstall or delete the older version.";

}  // namespace

const std::array<int16_t, MainController::kSubscribedEventCount>&
MainController::subscribedEventCodes() {
    static const std::array<int16_t, kSubscribedEventCount> codes = {
        visio::visEvtCodeBefDocSave,    visio::visEvtCodeBefDocSaveAs,
        visio::visEvtCodeDocSave,       visio::visEvtCodeDocSaveAs,
        visio::visEvtCodeWindowChanged, visio::visEvtCodeShapeTextEdit,
        visio::visEvtCodeCellChanged,   visio::visEvtCodeBefShapeDelete,
        visio::visEvtCodeShapeAdded,    visio::visEvtCodeBefDocClose,
        visio::visEvtCodeDocOpen,       visio::visEvtCodeNoEventsPending,
        visio::visEvtCodeWinActivate,   visio::visEvtCodeSelChanged,
        visio::visEvtCodeStyleAdded,    visio::visEvtCodePageAdded,
        visio::visEvtCodePageChanged,   visio::visEvtCodeWinPageTurn,
        visio::visEvtCodeDocCreate,     visio::visEvtCodeMarker,
        visio::visEvtCodeEnterScope,
    };
    return codes;
}

MainController::MainController(const visio::VApplication& application,
                               ToolFactoryList toolFactories)
    : application_(application),
      displayCopies_(application, &cellDisplays_),
      toolFactories_(std::move(toolFactories)) {
    router_ = std::make_unique<VisioEventRouter>(this);
    diagramTypeHolder_ = std::make_unique<DiagramTypeHolder>();
    diagramTypeHolder_->setShownBoxTexts(&cellDisplays_);
    subscribeEvents();
}

MainController::~MainController() {
    stopping_ = true;
    endToolRuns();
    deleteTools();
    withdrawSubscriptions();
    application_.release();
    router_.reset();
    diagramTypeHolder_.reset();
}

void MainController::addComponent(std::unique_ptr<SupportTool> tool) {
    if (tool) tools_.push_back(std::move(tool));
}

void MainController::dispatchEvent(int32_t eventCode, const visio::VObject& subject,
                                   visio::Variant moreInfo) {
    ++callDepth_;
    handToTools(eventCode, subject, std::move(moreInfo));
    leaveCall();
}

void MainController::handToTools(int32_t eventCode, const visio::VObject& subject,
                                 visio::Variant moreInfo) {
    if (stopping_) return;
    if (!componentsStarted_) {
        if (SupportTool::eventCodeOf(eventCode) == visio::visEvtCodeNoEventsPending) {
            startComponents();
        }
        return;
    }
    // A copy gets the user's formulas before a tool takes it for the user's own.
    displayCopies_.onVisioEvent(eventCode, subject, moreInfo);
    // By index: a handler may cause further events that are dispatched meanwhile.
    for (std::size_t i = 0; i < tools_.size(); ++i) {
        tools_[i]->onVisioEvent(eventCode, subject, moreInfo);
    }
}

bool MainController::offerCommand(std::string command) {
    ++callDepth_;
    bool handled = false;
    for (std::size_t i = 0; i < tools_.size() && !handled; ++i) {
        handled = tools_[i]->onCommand(command);
    }
    leaveCall();
    return handled;
}

void MainController::afterCallsReturn(std::function<void()> action) {
    if (callDepth_ == 0) {
        action();
        return;
    }
    afterCalls_ = std::move(action);
}

// The action may delete this controller: nothing of it is touched once it runs.
void MainController::leaveCall() {
    if (--callDepth_ > 0 || !afterCalls_) return;
    std::function<void()> action = std::move(afterCalls_);
    afterCalls_ = nullptr;
    action();
}

void MainController::subscribeEvents() {
    if (subscribed_) return;
    subscribed_ = true;
    if (application_.isEmpty()) return;
    visio::VEventList events = application_.EventList();
    if (events.isEmpty()) return;
    for (int16_t code : subscribedEventCodes()) {
        visio::ComRef<VisioEventSink> sink =
            VisioEventSink::create(&VisioEventRouter::forwardEvent);
        if (!sink) continue;
        visio::Variant sinkArgument = visio::ObjectRef(sink.get());
        visio::VEvent subscription = events.AddAdvise(code, sinkArgument, "", "");
        if (!subscription.isEmpty()) subscriptions_.push_back(std::move(subscription));
    }
}

void MainController::startComponents() {
    componentsStarted_ = true;
    ToolStartContext context;
    context.application = application_;
    context.diagramTypeHolder = diagramTypeHolder_.get();
    context.cellDisplays = &cellDisplays_;
    for (const ToolFactory& factory : toolFactories_) {
        if (!factory.create) continue;
        std::unique_ptr<SupportTool> tool = factory.create(context);
        if (!tool) continue;
        SupportTool* created = tool.get();
        addComponent(std::move(tool));
        if (factory.registerWithPreferences && context.registerTool) {
            context.registerTool(created);
        }
    }
    if (context.buildCommandBar) context.buildCommandBar();
    warnAboutSecondCopy();
}

int MainController::countRegisteredCopies() const {
    visio::VAddons addons = application_.Addons();
    int copies = 0;
    for (int16_t index = addons.Count(); index >= 1; --index) {
        if (addons.Item(index).NameU() == addonName) ++copies;
    }
    return copies;
}

void MainController::warnAboutSecondCopy() const {
    if (countRegisteredCopies() > 1) {
        ui::Backend::current().messageBox(ui::WindowHandle(), kSecondCopyWarning, addonCaption,
                                          ui::kMbOk | ui::kMbIconWarning);
    }
}

void MainController::withdrawSubscriptions() {
    for (const visio::VEvent& subscription : subscriptions_) subscription.Delete();
    subscriptions_.clear();
}

// Every tool ends its run before any is deleted: a display of one tool may lie over
// another's, and each finds the user's formulas beneath the others' while they exist.
// The events its writes cause reach no tool (stopping_ is set): the tools are going.
void MainController::endToolRuns() {
    for (std::unique_ptr<SupportTool>& tool : tools_) tool->endRun();
}

void MainController::deleteTools() {
    for (std::unique_ptr<SupportTool>& tool : tools_) tool.reset();
    tools_.clear();
}
