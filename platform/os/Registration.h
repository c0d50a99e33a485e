// One process-wide registration: the installed system, the window backend, the running
// application, the call observer. Every module (the host's program, the add-on library it
// loads) links its own copy of each; a library loaded into a host follows the host's
// registrations once the host hands them over (platform/hosting), so that both read and
// write one registration, as if the process had only one. Until then, and in a library
// that no host hands anything (inside Visio), the module's own is in force.
//
// Constant-initialised and trivially destroyed, so it can be read during any static
// initialisation or destruction.
#pragma once

namespace os {

template <typename T>
class Registration {
public:
    constexpr Registration() = default;
    Registration(const Registration&) = delete;
    Registration& operator=(const Registration&) = delete;

    T* get() const { return *inForce_; }
    // Answers what it replaces.
    T* set(T* value) {
        T* replaced = *inForce_;
        *inForce_ = value;
        return replaced;
    }

    // From now on this is the host's registration: what the host registered, and what is
    // registered here the host sees.
    void follow(const Registration& host) { inForce_ = host.inForce_; }

private:
    T* own_ = nullptr;
    T** inForce_ = &own_;
};

}  // namespace os
