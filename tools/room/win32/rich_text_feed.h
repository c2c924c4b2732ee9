// Shows the room's growing text in a rich-edit pane without holding the message loop: a small
// addition appears at once, a large one in slices between which the loop handles other messages
// (a rich edit grows slowly, and a window that answers no message for seconds is taken as hung).
#pragma once
#include <windows.h>

#include <string>

namespace wardo::room {

class RichTextFeed {
public:
    // `owner` receives `continueMessage` whenever more slices are waiting.
    RichTextFeed(HWND pane, HWND owner, UINT continueMessage);

    // `full` is the whole text the pane must come to show; it only grows, except after reset().
    void sync(const std::wstring& full);
    void reset();            // empties the pane and forgets everything queued
    void continueFeeding();  // on `continueMessage`
    std::size_t pending() const { return queue_.size() - head_; }

    static constexpr std::size_t kSliceChars = 4096;
    static constexpr ULONGLONG kBudgetMs = 30;

private:
    void feed();
    void append(const wchar_t* text, std::size_t count);

    HWND pane_;
    HWND owner_;
    UINT continueMessage_;
    std::wstring queue_;
    std::size_t head_ = 0;    // first character of queue_ not shown yet
    std::size_t queued_ = 0;  // characters of the full text queued so far
    bool scheduled_ = false;
};

}  // namespace wardo::room
