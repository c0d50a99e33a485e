#include "platform/ui/RuntimeClass.h"

#include <map>
#include <utility>

#include "platform/ui/Dialog.h"

namespace ui {
namespace {

// Built on first use, so records registered during start-up always find it.
std::map<std::string, const RuntimeClass*>& registry() {
    static std::map<std::string, const RuntimeClass*> records;
    return records;
}

}  // namespace

RuntimeClass::RuntimeClass(std::string className, Factory factory)
    : className_(std::move(className)), factory_(factory) {
    registered_ = registry().emplace(className_, this).second;
}

RuntimeClass::~RuntimeClass() {
    if (registered_) registry().erase(className_);
}

std::unique_ptr<Dialog> RuntimeClass::createObject() const {
    return factory_ ? factory_() : nullptr;
}

const RuntimeClass* RuntimeClass::fromName(const std::string& className) {
    auto it = registry().find(className);
    return it == registry().end() ? nullptr : it->second;
}

std::vector<std::string> RuntimeClass::registeredNames() {
    std::vector<std::string> names;
    for (const auto& entry : registry()) names.push_back(entry.first);
    return names;
}

}  // namespace ui
