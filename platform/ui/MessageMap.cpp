#include "platform/ui/MessageMap.h"

namespace ui {

void MessageMap::addCommand(int32_t id, int32_t notification, CommandHandler handler) {
    commands_[{id, notification}] = std::move(handler);
}

void MessageMap::addNotify(int32_t id, int32_t code, NotifyHandler handler) {
    notifications_[{id, code}] = std::move(handler);
}

void MessageMap::addScroll(int32_t id, ScrollHandler handler) {
    scrolls_[id] = std::move(handler);
}

void MessageMap::addDrawItem(int32_t id, DrawHandler handler) {
    drawings_[id] = std::move(handler);
}

bool MessageMap::dispatchCommand(int32_t id, int32_t notification) const {
    auto it = commands_.find({id, notification});
    if (it == commands_.end() || !it->second) return false;
    CommandHandler handler = it->second;
    handler();
    return true;
}

bool MessageMap::dispatchNotify(int32_t id, int32_t code, intptr_t parameter) const {
    auto it = notifications_.find({id, code});
    if (it == notifications_.end() || !it->second) return false;
    NotifyHandler handler = it->second;
    handler(parameter);
    return true;
}

bool MessageMap::dispatchScroll(int32_t id, int32_t code) const {
    auto it = scrolls_.find(id);
    if (it == scrolls_.end() || !it->second) return false;
    ScrollHandler handler = it->second;
    handler(code);
    return true;
}

bool MessageMap::dispatchDrawItem(const DrawItem& item) const {
    auto it = drawings_.find(item.controlId);
    if (it == drawings_.end() || !it->second) return false;
    DrawHandler handler = it->second;
    handler(item);
    return true;
}

}  // namespace ui
