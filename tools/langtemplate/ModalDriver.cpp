#include "ModalDriver.h"

namespace langtemplate {

namespace {

constexpr UINT kTickMilliseconds = 40;

struct Search {
    int controlId;
    HWND found;
};

BOOL CALLBACK FindHolder(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    if (!::IsWindowVisible(window) || !::GetDlgItem(window, search->controlId))
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

ModalDriver* ModalDriver::current_ = nullptr;

ModalDriver::ModalDriver(int controlId, std::vector<PostedMessage> script)
    : controlId_(controlId), script_(std::move(script))
{
    current_ = this;
    timer_ = ::SetTimer(nullptr, 0, kTickMilliseconds, &ModalDriver::Tick);
}

ModalDriver::~ModalDriver()
{
    ::KillTimer(nullptr, timer_);
    current_ = nullptr;
}

void CALLBACK ModalDriver::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    ModalDriver* self = current_;
    if (!self || self->script_.empty())
        return;
    Search search{self->controlId_, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindHolder, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return;
    const size_t last = self->script_.size() - 1;
    const PostedMessage& next = self->script_[self->posted_ < last ? self->posted_ : last];
    ::PostMessageA(search.found, next.message, next.wParam, 0);
    ++self->posted_;
}

} // namespace langtemplate
