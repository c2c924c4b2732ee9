#include "tools/room/win32/rich_text_feed.h"

#include <richedit.h>

#include <algorithm>

namespace wardo::room {

RichTextFeed::RichTextFeed(HWND pane, HWND owner, UINT continueMessage)
    : pane_(pane), owner_(owner), continueMessage_(continueMessage) {}

void RichTextFeed::sync(const std::wstring& full) {
    if (full.size() < queued_) reset();
    queue_.append(full, queued_, std::wstring::npos);
    queued_ = full.size();
    feed();
}

void RichTextFeed::reset() {
    SetWindowTextW(pane_, L"");
    queue_.clear();
    head_ = 0;
    queued_ = 0;
}

void RichTextFeed::continueFeeding() {
    scheduled_ = false;
    feed();
}

void RichTextFeed::feed() {
    const ULONGLONG start = GetTickCount64();
    while (head_ < queue_.size()) {
        std::size_t n = std::min(kSliceChars, queue_.size() - head_);
        // A line break or a surrogate pair cut in two would show as two breaks or two bad characters.
        const std::size_t end = head_ + n;
        if (end < queue_.size() && (queue_[end - 1] == L'\r' || IS_HIGH_SURROGATE(queue_[end - 1]))) ++n;
        append(queue_.data() + head_, n);
        head_ += n;
        if (GetTickCount64() - start >= kBudgetMs) break;
    }
    if (head_ == queue_.size()) {
        queue_.clear();
        head_ = 0;
    } else if (!scheduled_) {
        scheduled_ = PostMessageW(owner_, continueMessage_, 0, 0) != FALSE;
    }
}

void RichTextFeed::append(const wchar_t* text, std::size_t count) {
    const std::wstring slice(text, count);
    // A position past the end puts the caret at the end of the text.
    SendMessageW(pane_, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    SendMessageW(pane_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(slice.c_str()));
    SendMessageW(pane_, EM_SCROLLCARET, 0, 0);
}

}  // namespace wardo::room
