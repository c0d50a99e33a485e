// The answers a test or the runner has queued for the dialogs the add-on will open: the
// next message boxes, colour dialogs, folder browsers and modal dialogs, in order.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "platform/ui/Geometry.h"
#include "platform/ui/Handle.h"

namespace simhost::headless {

struct MessageBoxAnswer {
    enum class Kind {
        ButtonId,      // press the button with this id (kIdYes, ...)
        ButtonNumber,  // press the n-th button from the left, from 1
        Escape,        // press Escape
        Action,        // run the action while the box is up; it answers a button id or 0
    };
    Kind kind = Kind::ButtonId;
    int32_t value = 0;
    std::function<int32_t(ui::WindowHandle box)> action;
};

class AnswerQueue {
public:
    using ModalAction = std::function<void(ui::WindowHandle dialog)>;

    void pushMessageBoxAnswer(MessageBoxAnswer answer) {
        messageBoxes_.push_back(std::move(answer));
    }
    std::optional<MessageBoxAnswer> popMessageBoxAnswer() { return pop(messageBoxes_); }
    size_t pendingMessageBoxAnswers() const { return messageBoxes_.size(); }

    // nullopt cancels the dialog.
    void pushColor(std::optional<ui::ColorRef> color) { colors_.push_back(color); }
    std::optional<ui::ColorRef> popColor() { return popOrCancel(colors_); }
    void pushFolder(std::optional<std::string> folder) { folders_.push_back(std::move(folder)); }
    std::optional<std::string> popFolder() { return popOrCancel(folders_); }

    void pushModalAction(ModalAction action) { modalActions_.push_back(std::move(action)); }
    std::optional<ModalAction> popModalAction() { return pop(modalActions_); }

    void clear() {
        messageBoxes_.clear();
        colors_.clear();
        folders_.clear();
        modalActions_.clear();
    }

private:
    template <class T>
    static std::optional<T> pop(std::deque<T>& queue) {
        if (queue.empty()) return std::nullopt;
        T front = std::move(queue.front());
        queue.pop_front();
        return front;
    }
    template <class T>
    static std::optional<T> popOrCancel(std::deque<std::optional<T>>& queue) {
        std::optional<std::optional<T>> next = pop(queue);
        return next ? *next : std::nullopt;
    }

    std::deque<MessageBoxAnswer> messageBoxes_;
    std::deque<std::optional<ui::ColorRef>> colors_;
    std::deque<std::optional<std::string>> folders_;
    std::deque<ModalAction> modalActions_;
};

}  // namespace simhost::headless
