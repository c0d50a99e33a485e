// A dialog's handlers by control id and notification, in the manner of an MFC message
// map: the dialog registers them once and the window's messages are routed to them.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "platform/ui/WindowEvents.h"

namespace ui {

class MessageMap {
public:
    using CommandHandler = std::function<void()>;
    using NotifyHandler = std::function<void(intptr_t parameter)>;
    using ScrollHandler = std::function<void(int32_t code)>;
    using DrawHandler = std::function<void(const DrawItem& item)>;

    // A later handler for the same id and notification replaces the earlier one.
    void addCommand(int32_t id, int32_t notification, CommandHandler handler);
    void addNotify(int32_t id, int32_t code, NotifyHandler handler);
    void addScroll(int32_t id, ScrollHandler handler);
    void addDrawItem(int32_t id, DrawHandler handler);

    // Each answers whether a handler ran. A handler may destroy the dialog that owns
    // the map: it runs from a copy.
    bool dispatchCommand(int32_t id, int32_t notification) const;
    bool dispatchNotify(int32_t id, int32_t code, intptr_t parameter) const;
    bool dispatchScroll(int32_t id, int32_t code) const;
    bool dispatchDrawItem(const DrawItem& item) const;

private:
    using Key = std::pair<int32_t, int32_t>;
    std::map<Key, CommandHandler> commands_;
    std::map<Key, NotifyHandler> notifications_;
    std::map<int32_t, ScrollHandler> scrolls_;
    std::map<int32_t, DrawHandler> drawings_;
};

}  // namespace ui
