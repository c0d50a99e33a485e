// What a host hands the add-on library it loads: its process-wide registrations (the
// installed system, the window backend, the running application and the instance
// factory, the call observer), so that the library follows them instead of its own.
// Visio hands nothing: inside Visio the library keeps its own, finds Visio through COM
// and brings its own windows. The stand-in host hands them over right after loading,
// before the load message, through the library's exported shareHostRegistrations.
//
// Host and library are built from the same sources, but each links its own copy of every
// registration: no shared library of our own, so the add-on library needs nothing beside
// it but Windows' own.
#pragma once

#include <cstdint>

#include "platform/os/Registration.h"
#include "platform/os/System.h"
#include "platform/ui/Backend.h"
#include "platform/visio/ApplicationLocator.h"
#include "platform/visio/CallObserver.h"

namespace hosting {

struct HostRegistrations {
    // The size of the record as the host knows it: a library built with other
    // registrations refuses them.
    uint32_t size = sizeof(HostRegistrations);
    os::Registration<os::System>* system = nullptr;
    os::Registration<ui::Backend>* backend = nullptr;
    os::Registration<visio::IVApplication>* activeObject = nullptr;
    os::Registration<visio::ApplicationLocator::Factory>* instanceFactory = nullptr;
    os::Registration<visio::CallObserver>* callObserver = nullptr;
};

// The name the add-on library exports its taking of the registrations under, and its
// type: it answers 1 when it follows them, 0 when it refuses them.
constexpr char kShareEntryName[] = "shareHostRegistrations";
using ShareEntry = int32_t (*)(const HostRegistrations* registrations);

// This module's registrations, to hand to a library it loads.
HostRegistrations ofThisModule();
// Makes this module follow the host's registrations; false, and nothing changed, when the
// record is not one of this build.
bool followHost(const HostRegistrations& host);

}  // namespace hosting
