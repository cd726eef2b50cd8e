#include "app/PortNoticeBox.h"

#include "port/PortIoWin32.h"
#include "toolkit/Application.h"
#include "win/Text.h"

#include <windows.h>

namespace pp::app {
namespace {

void ShowPortNotice(const std::string& text)
{
    const std::wstring wideText = WideFromUtf8(text);
    const std::wstring caption = WideFromUtf8(Application->Title());
    MessageBoxW(Application->Handle(), wideText.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
}

// Registered rather than numbered, so that it meets no message of the
// toolkit or the skin engine on the application window.
UINT TraceStoppedMessage()
{
    static const UINT message = RegisterWindowMessageW(L"Pindrel_Port.TraceStopped");
    return message;
}

} // namespace

void ShowPortStartupNotice()
{
    const std::string notice = port::PortStartupNotice();
    if (!notice.empty())
        ShowPortNotice(notice);
}

TTraceStopNotice::TTraceStopNotice()
{
    hook_ = Application->HookMainWindow([this](TMessage& message) {
        if (message.Msg != TraceStoppedMessage() || pending_.empty())
            return false;
        const std::string notice = std::move(pending_);
        pending_.clear();
        ShowPortNotice(notice);
        return true;
    });
    port::SetTraceStoppedHandler([this](const std::string& notice) {
        pending_ = notice;
        PostMessageW(Application->Handle(), TraceStoppedMessage(), 0, 0);
    });
}

TTraceStopNotice::~TTraceStopNotice()
{
    port::SetTraceStoppedHandler(nullptr);
    Application->UnhookMainWindow(hook_);
}

} // namespace pp::app
