// The add-on as Visio runs it, inside the stand-in host, for one fuzz input: the headless
// window backend, separators "," and ".", files in memory with an empty settings folder,
// the host registered as the running Visio, and the library's own entry told to load, so that the
// first idle event creates the add-on's tools. Run requests (toolbar clicks, action rows, and the
// input's own) reach the library as Visio hands them over: a run record with the argument string.
// The session unloads the library and withdraws everything when it ends.
#pragma once

#include <cstdint>
#include <string>

#include "simhost/host/Host.h"
#include "simhost/os/StandInSystem.h"
#include "simhost/ui/HeadlessBackend.h"

namespace fuzzing {

class AddonSession {
public:
    AddonSession();
    ~AddonSession();
    AddonSession(const AddonSession&) = delete;
    AddonSession& operator=(const AddonSession&) = delete;

    // Visio's run request for the add-on with this argument (cut at a NUL, as a C string
    // is), and the events it raised; answers the library's reply.
    uint16_t run(const std::string& argument);
    // The user clicks the add-on's button with the tag; false when it is not on the bar
    // or disabled.
    bool press(const std::string& tag);

    simhost::headless::HeadlessBackend backend;
    // In memory, with a settings folder of the session's own.
    simhost::StandInSystem system;
    simhost::Host host;

private:
    // The run record handed to the library, without pumping the events that follow.
    uint16_t deliver(const std::string& argument);
};

}  // namespace fuzzing
