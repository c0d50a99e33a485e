// The hub between Visio and the tools: subscribes to Visio's events, creates the tools
// when Visio is first idle, hands every event to every tool and offers every run request
// to the tools in their fixed order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/CellDisplays.h"
#include "core/DisplayCopies.h"
#include "core/SupportTool.h"
#include "core/ToolFactory.h"
#include "model/DiagramTypeHolder.h"
#include "platform/visio/VApplication.h"
#include "platform/visio/VEvent.h"
#include "platform/visio/VObject.h"

class VisioEventRouter;

class MainController {
public:
    // The event codes subscribed to, in subscription order.
    static constexpr std::size_t kSubscribedEventCount = 21;
    static const std::array<int16_t, kSubscribedEventCount>& subscribedEventCodes();

    // Creates the tools of the table when Visio is first idle (the entry hands it the
    // add-on's own tools; tests hand it their own).
    MainController(const visio::VApplication& application, ToolFactoryList toolFactories);
    virtual ~MainController();
    MainController(const MainController&) = delete;
    MainController& operator=(const MainController&) = delete;

    // Appends a tool to the tool list; the controller owns it.
    virtual void addComponent(std::unique_ptr<SupportTool> tool);
    // Only the low 16 bits of the code count. Until the tools exist an event reaches no
    // tool; the first idle event creates them.
    virtual void dispatchEvent(int32_t eventCode, const visio::VObject& subject,
                               visio::Variant moreInfo);
    // True when a tool handled the command; the first tool that does ends the offer.
    bool offerCommand(std::string command);
    // Runs the action now, or, while an event or a command is being handed to the tools
    // (a tool may be inside its own call into Visio, which may send Visio's messages
    // meanwhile), once the outermost of them has returned. The action may delete the
    // controller. A later action replaces one still waiting.
    void afterCallsReturn(std::function<void()> action);

    std::size_t toolCount() const { return tools_.size(); }
    DiagramTypeHolder* diagramTypeHolder() const { return diagramTypeHolder_.get(); }

private:
    void subscribeEvents();
    void startComponents();
    void warnAboutSecondCopy() const;
    int countRegisteredCopies() const;
    void withdrawSubscriptions();
    void endToolRuns();
    void deleteTools();
    void handToTools(int32_t eventCode, const visio::VObject& subject, visio::Variant moreInfo);
    void leaveCall();

    // Before the tools, so that it outlives them.
    CellDisplays cellDisplays_;
    std::vector<std::unique_ptr<SupportTool>> tools_;
    bool subscribed_ = false;
    visio::VApplication application_;
    DisplayCopies displayCopies_;
    std::unique_ptr<DiagramTypeHolder> diagramTypeHolder_;
    std::unique_ptr<VisioEventRouter> router_;
    ToolFactoryList toolFactories_;
    // The event objects Visio returned, so that the subscriptions can be withdrawn
    // before the sinks' code may be unloaded.
    std::vector<visio::VEvent> subscriptions_;
    // The tools are created once, on the first idle event (even when the table is
    // empty). A tool's own calls into Visio may cause events: while the tools are
    // deleted no event may reach a tool.
    bool componentsStarted_ = false;
    bool stopping_ = false;
    // How many events and commands are being handed to the tools, one inside another.
    int callDepth_ = 0;
    std::function<void()> afterCalls_;
};
