// The Visio application together with the UI object that holds the add-on's toolbar.
#pragma once

#include "platform/visio/VApplication.h"
#include "platform/visio/VUIObject.h"

// A value: copies share the application and the UI object they refer to.
class CommandBarsAccess {
public:
    CommandBarsAccess() = default;
    CommandBarsAccess(const visio::VApplication& application, const visio::VUIObject& uiObject);

    // True when a UI object is held.
    bool isSet() const;
    // The same application with an independent copy of the held UI object.
    CommandBarsAccess fromApplication() const;
    // Makes changes to the bar and its buttons visible; nothing without a UI object.
    void reset() const;
    // Lets go of the UI object; the application stays.
    void release();

    const visio::VApplication& application() const { return application_; }
    const visio::VUIObject& uiObject() const { return uiObject_; }

private:
    // In this order, so that the UI object is released before the application.
    visio::VApplication application_;
    visio::VUIObject uiObject_;
};
