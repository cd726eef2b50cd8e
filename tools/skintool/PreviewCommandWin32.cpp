// The preview tool's conversation with the program: the program, started
// with "/acpreview", finds the tool's window by its title and tells it its
// main window; the tool sends that window the skin as a preview record and
// the program answers 1 once it shows it.
#ifdef _WIN32
#include "PreviewCommand.h"

#include "skin/loading/SkinPreviewRecord.h"
#include "skin/loading/SkinPreviewWin32.h"
#include "win/Text.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace skintool {
namespace {

namespace fs = std::filesystem;

constexpr DWORD AnnounceWaitMs = 20000;
// A load that fails shows the program's Error box inside our send: the send
// gives up after this long, and the program keeps its skin.
constexpr UINT SendTimeoutMs = 10000;
constexpr UINT AskTimeoutMs = 200;
// An editor writes a file in several steps; the skin is sent once the
// folder has been quiet this long.
constexpr DWORD QuietMs = 300;
constexpr WPARAM AskSkinnedKind = 4;

// The program's main window as it announced itself, and whether that
// announcement is new since the last send.
HWND announcedWindow = nullptr;
bool announcementIsNew = false;

LRESULT CALLBACK ToolWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == pp::SkinPreviewMessage && wParam == pp::SkinPreviewAnnounceKind) {
        announcedWindow = reinterpret_cast<HWND>(lParam);
        announcementIsNew = true;
        return 1;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateToolWindow()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ToolWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PindrelSkinPreviewTool";
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, windowClass.lpszClassName, pp::SkinPreviewToolTitle, WS_OVERLAPPEDWINDOW,
                           CW_USEDEFAULT, CW_USEDEFAULT, 320, 80, nullptr, nullptr, windowClass.hInstance,
                           nullptr);
}

// False once the tool's window has been closed.
bool PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return false;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

bool WaitForAnnouncement(DWORD milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!announcedWindow) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end || !PumpMessages())
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
    return true;
}

// The program turns the record's name and folder from the system code page;
// a name that code page cannot hold would reach it as a different folder.
std::optional<std::string> AnsiText(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    BOOL lost = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), int(text.size()), nullptr,
                                         0, nullptr, &lost);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), int(text.size()), out.data(), size,
                        nullptr, &lost);
    if (size <= 0 || lost)
        return std::nullopt;
    return out;
}

struct TFolderRecord {
    std::vector<std::uint8_t> Bytes;
    std::string Problem; // why there is no record
};

fs::path SkinFolder(const std::string& skinDir)
{
    fs::path folder = fs::absolute(fs::path(pp::WideFromUtf8(skinDir)));
    while (!folder.has_filename() && folder.has_relative_path())
        folder = folder.parent_path();
    return folder;
}

TFolderRecord RecordOf(const fs::path& folder)
{
    std::ifstream options(folder / L"Options.dat", std::ios::binary);
    if (!options)
        return {{}, "the folder " + pp::Utf8FromWide(folder.wstring()) + " has no Options.dat"};
    pp::TSkinPreviewRecord record;
    record.OptionsText.assign(std::istreambuf_iterator<char>(options), {});
    const auto name = AnsiText(folder.filename().wstring());
    const auto directory = AnsiText(folder.parent_path().wstring());
    if (!name || !directory)
        return {{}, "the folder's path cannot be written in the system's code page"};
    record.SkinName = *name;
    record.SkinDirectory = *directory;
    pp::TPreviewRecordBytes written = pp::WriteSkinPreviewRecord(record);
    if (written.Fault != pp::TPreviewRecordFault::None)
        return {{}, pp::PreviewRecordFaultText(written.Fault)};
    return {std::move(written.Bytes), {}};
}

enum class TSendOutcome { Shown, Refused, NoAnswer, NoProgram };

TSendOutcome SendRecord(HWND target, const std::vector<std::uint8_t>& bytes)
{
    COPYDATASTRUCT data{};
    data.cbData = static_cast<DWORD>(bytes.size());
    data.lpData = const_cast<std::uint8_t*>(bytes.data());
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(target, WM_COPYDATA, pp::SkinPreviewCopyDataKind,
                             reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, SendTimeoutMs, &answer))
        return TSendOutcome::NoAnswer;
    return answer == 1 ? TSendOutcome::Shown : TSendOutcome::Refused;
}

// A program announces itself only once, when it starts: a tool started
// later finds it among the visible top-level windows that say they are
// skinned (0xA400 with wParam 4 answered 1). Only the announced main window
// takes the record; the others refuse it.
struct TSkinnedWindowSearch {
    HWND Tool;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectSkinnedWindow(HWND window, LPARAM param)
{
    auto& search = *reinterpret_cast<TSkinnedWindowSearch*>(param);
    DWORD_PTR answer = 0;
    if (window != search.Tool && IsWindowVisible(window) &&
        SendMessageTimeoutW(window, pp::SkinPreviewMessage, AskSkinnedKind, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                            AskTimeoutMs, &answer) &&
        answer == 1)
        search.Found.push_back(window);
    return TRUE;
}

std::vector<HWND> SkinnedWindows(HWND tool)
{
    TSkinnedWindowSearch search{tool, {}};
    EnumWindows(CollectSkinnedWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

TSendOutcome SendToRunningProgram(HWND tool, const std::vector<std::uint8_t>& bytes)
{
    bool refused = false;
    for (HWND window : SkinnedWindows(tool)) {
        const TSendOutcome outcome = SendRecord(window, bytes);
        if (outcome == TSendOutcome::Shown)
            announcedWindow = window;
        if (outcome != TSendOutcome::Refused)
            return outcome;
        refused = true;
    }
    return refused ? TSendOutcome::Refused : TSendOutcome::NoProgram;
}

TSendOutcome Send(HWND tool, const std::vector<std::uint8_t>& bytes, DWORD announceWaitMs)
{
    announcementIsNew = false;
    if (announcedWindow && IsWindow(announcedWindow))
        return SendRecord(announcedWindow, bytes);
    announcedWindow = nullptr;
    const TSendOutcome found = SendToRunningProgram(tool, bytes);
    if (found != TSendOutcome::Refused && found != TSendOutcome::NoProgram)
        return found;
    if (!WaitForAnnouncement(announceWaitMs))
        return found;
    announcementIsNew = false;
    return SendRecord(announcedWindow, bytes);
}

std::string OutcomeText(TSendOutcome outcome)
{
    switch (outcome) {
    case TSendOutcome::Shown: return "the program answered 1 and shows the skin";
    case TSendOutcome::Refused:
        return "refused (answered 0): the skin did not load (the program showed an Error box and keeps "
               "its skin), or the program was not started with /acpreview";
    case TSendOutcome::NoAnswer:
        return "no answer within " + std::to_string(SendTimeoutMs / 1000) +
               " s: the program may be showing an Error box for the skin, and keeps its skin";
    case TSendOutcome::NoProgram:
        return "no program announced itself within " + std::to_string(AnnounceWaitMs / 1000) +
               " s (start it with /acpreview)";
    }
    return {};
}

// One line per send, so that a log of the session shows every attempt.
bool SendAndReport(HWND tool, const fs::path& folder, DWORD announceWaitMs)
{
    const std::string where = pp::Utf8FromWide(folder.wstring());
    const TFolderRecord record = RecordOf(folder);
    if (record.Bytes.empty()) {
        std::fprintf(stderr, "skintool: not sent: %s\n", record.Problem.c_str());
        return false;
    }
    const TSendOutcome outcome = Send(tool, record.Bytes, announceWaitMs);
    std::FILE* stream = outcome == TSendOutcome::Shown ? stdout : stderr;
    std::fprintf(stream, "%ssent %s: %s\n", stream == stderr ? "skintool: " : "", where.c_str(),
                 OutcomeText(outcome).c_str());
    std::fflush(stream);
    return outcome == TSendOutcome::Shown;
}

// Sends at start, again after every change of the folder once it has been
// quiet, and whenever a program announces itself; ends with the window.
int Watch(HWND tool, const fs::path& folder)
{
    HANDLE change = FindFirstChangeNotificationW(folder.c_str(), FALSE,
                                                 FILE_NOTIFY_CHANGE_FILE_NAME |
                                                     FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE);
    if (change == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "skintool: cannot watch %s\n", pp::Utf8FromWide(folder.wstring()).c_str());
        return 1;
    }
    ShowWindow(tool, SW_SHOWNOACTIVATE);
    constexpr ULONGLONG NothingToSend = ~0ULL;
    ULONGLONG sendAt = GetTickCount64();
    for (;;) {
        if (GetTickCount64() >= sendAt) {
            sendAt = NothingToSend;
            SendAndReport(tool, folder, 0);
        }
        const ULONGLONG now = GetTickCount64();
        const DWORD wait = sendAt == NothingToSend ? INFINITE
                                                   : static_cast<DWORD>(sendAt - std::min(now, sendAt));
        const DWORD woken = MsgWaitForMultipleObjects(1, &change, FALSE, wait, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0) {
            FindNextChangeNotification(change);
            sendAt = GetTickCount64() + QuietMs;
        }
        if (!PumpMessages())
            break;
        if (announcementIsNew && sendAt == NothingToSend)
            sendAt = GetTickCount64();
    }
    FindCloseChangeNotification(change);
    return 0;
}

} // namespace

int Preview(const std::string& skinDir, bool once)
{
    const fs::path folder = SkinFolder(skinDir);
    const HWND tool = CreateToolWindow();
    if (!tool) {
        std::fputs("skintool: cannot create the preview window\n", stderr);
        return 1;
    }
    const int status = once ? (SendAndReport(tool, folder, AnnounceWaitMs) ? 0 : 1) : Watch(tool, folder);
    if (IsWindow(tool))
        DestroyWindow(tool);
    return status;
}

} // namespace skintool
#endif
