// Loads the add-on library as Visio loads it on a user's machine: by its full path, into a
// process whose program and current folder lie elsewhere, with nothing handed over by a
// host. The library must load with nothing of ours beside it, export VisioLibMain, answer
// the load message and register its add-on. No Visio runs here, so the add-on shows its
// critical error in a real message box, which a second thread reads and answers with OK,
// as the user would.
//
// Usage: qav_load_check LIBRARY
// Exit status 0 when all of that held; 1, with what failed on standard error, otherwise.
// clang-format off
#include <windows.h>
#include <ole2.h>
// clang-format on

#include <atomic>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Entry = uint16_t (*)(uint16_t message, uint16_t wParam, void* lParam);

// Visio's add-on library protocol, as Visio sends it.
constexpr uint16_t kLoad = 0x2000;
constexpr uint16_t kUnload = 0x2001;
constexpr uint16_t kRegister = 0x3000;
constexpr uint16_t kLoadAnswer = 0x0203;
constexpr uint16_t kRegisterCode = 0x5000;
constexpr size_t kRecordNameOffset = 10;
constexpr size_t kRegisterStructSize = 16;

constexpr char kAddonName[] = "QAVSupportTools";
constexpr char kCaption[] = "QAV Support Tool Addon";
constexpr char kNoVisio[] = "Critical Error! No access to Visio! Aborting...";

std::string registeredName;

uint16_t visioCallback(uint16_t code, uint16_t, void* record) {
    if (code != kRegisterCode || !record) return 0;
    const char* name = nullptr;
    std::memcpy(&name, static_cast<const char*>(record) + kRecordNameOffset, sizeof(name));
    if (name) registeredName = name;
    return 0;
}

std::string textOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// Answers the add-on's box with OK once it shows, keeping the texts it held; gives up when
// told that the call it waits for has returned.
class BoxAnswerer {
public:
    BoxAnswerer() : thread_([this] { answer(); }) {}
    ~BoxAnswerer() { stop(); }

    // The texts of the box's controls; none when no box showed.
    std::vector<std::string> stop() {
        done_ = true;
        if (thread_.joinable()) thread_.join();
        return texts_;
    }

private:
    void answer() {
        while (!done_) {
            if (HWND box = FindWindowA("#32770", kCaption)) {
                for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                    texts_.push_back(textOf(c));
                }
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(50);
        }
    }

    std::atomic<bool> done_{false};
    std::vector<std::string> texts_;
    std::thread thread_;
};

bool contains(const std::vector<std::string>& texts, const std::string& text) {
    for (const std::string& t : texts)
        if (t == text) return true;
    return false;
}

int fail(const std::string& what) {
    std::cerr << what << "\n";
    return 1;
}

int check(const char* path) {
    HMODULE library = LoadLibraryA(path);
    if (!library) {
        return fail(std::string("cannot load ") + path + ": error " +
                    std::to_string(GetLastError()));
    }
    // Through void*: the entry's own type is not the type GetProcAddress answers.
    auto entry =
        reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, "VisioLibMain")));
    if (!entry) return fail(std::string(path) + " does not export VisioLibMain");

    BoxAnswerer user;
    const uint16_t answer = entry(kLoad, 0, reinterpret_cast<void*>(&visioCallback));
    const std::vector<std::string> box = user.stop();
    unsigned char registerStruct[kRegisterStructSize] = {};
    entry(kRegister, 0, registerStruct);
    entry(kUnload, 0, nullptr);
    FreeLibrary(library);

    if (answer != kLoadAnswer) return fail("the load message answered " + std::to_string(answer));
    if (!contains(box, kNoVisio)) return fail(std::string("no box told: ") + kNoVisio);
    if (registeredName != kAddonName) return fail("registered '" + registeredName + "'");
    std::cout << path << " loaded alone, answered the load message, showed \"" << kNoVisio
              << "\" and registered " << registeredName << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return fail("usage: qav_load_check LIBRARY");
    // Visio's thread, where the add-on runs, has COM initialised.
    if (FAILED(OleInitialize(nullptr))) return fail("cannot initialise COM");
    const int status = check(argv[1]);
    OleUninitialize();
    return status;
}
