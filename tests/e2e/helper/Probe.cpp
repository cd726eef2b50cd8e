// Drives the real program from outside, as a user's clicks would: finds its
// windows, posts clicks and reads texts back. Run under Wine beside it.
//
//   e2e_probe wait-window TITLE SECONDS     window with that caption appears
//   e2e_probe wait-class CLASS SECONDS      visible top-level window of that class appears
//   e2e_probe wait-gone CLASS SECONDS       no visible top-level window of that class
//   e2e_probe click TITLE TEXT [N]          posts BM_CLICK to the Nth child captioned TEXT
//   e2e_probe text TITLE CLASS [N]          prints WM_GETTEXT of the Nth child of CLASS
//   e2e_probe close-class CLASS             posts WM_CLOSE to the top-level windows of CLASS
//   e2e_probe close TITLE                   posts WM_CLOSE to the window
//   e2e_probe rect TITLE                    prints the window rectangle: left top right bottom
//   e2e_probe state TITLE                   prints minimized, maximized or normal, and
//                                           "layered" when the window is
//   e2e_probe syscommand TITLE CODE CLASS SECONDS [SHOT.bmp N]
//                                           posts WM_SYSCOMMAND CODE, then for SECONDS prints
//                                           each new rectangle of a visible top-level window of
//                                           CLASS; saves the screen to SHOT.bmp at the Nth
//   e2e_probe pixels TITLE X Y W H          prints the screen's pixels over that part of the
//                                           window's client area, one line of RRGGBB per row
//   e2e_probe pixel-series TITLE X Y N MS   prints that one client pixel N times, MS milliseconds
//                                           apart, one RRGGBB per line (a fade is faster than
//                                           separate probe runs)
//   e2e_probe hover TITLE TEXT [N]          moves the mouse pointer to the middle of the Nth
//                                           child captioned TEXT; prints where the child lies
//                                           in the window's client area: left top width height
//   e2e_probe hover-at TITLE X Y            moves the mouse pointer to that point of the window,
//                                           counted from the window's top left corner
//   e2e_probe resources TITLE               prints the program's live GDI handles, USER handles
//                                           and private memory in KB, as the window reports them
//   e2e_probe hover-off TITLE               moves the pointer to the screen's far corner
//   e2e_probe wait-hint CLASS TEXT SECONDS  visible top-level window of CLASS with caption TEXT
//                                           appears; prints its rectangle: left top right bottom
//   e2e_probe hint-text-size TEXT WIDTH     prints the size the system hint font gives TEXT
//                                           wrapped at WIDTH, centred: width height
//   e2e_probe measures TITLE                prints the window's width, height, side frame
//                                           (half the outer width less the client width) and the
//                                           platform's caption height: W H F C
//   e2e_probe hittest TITLE X Y             sends WM_NCHITTEST for that point of the window
//                                           (window coordinates) and prints the answer
//   e2e_probe syscommand TITLE CMD          posts WM_SYSCOMMAND with CMD to the window
//   e2e_probe minimized TITLE               prints 1 when the window is minimized (or hidden,
//                                           as a main window minimized through its application
//                                           window is), else 0
//   e2e_probe class-rect CLASS              prints the rectangle of the first visible top-level
//                                           window of CLASS: left top right bottom
//
// Clicks are posted, not sent: a sent click would block while the handler runs
// a modal box. Exit status 0 on success, 1 when the window or control is not
// found in time, 2 on wrong usage.
#include <windows.h>

#include "win/ResourceReport.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

void PrintUtf8(const std::wstring& text)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr,
                        nullptr);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::wstring WindowText(HWND hwnd)
{
    wchar_t buffer[1024] = {};
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return buffer;
}

std::wstring ClassOf(HWND hwnd)
{
    wchar_t buffer[256] = {};
    GetClassNameW(hwnd, buffer, 256);
    return buffer;
}

struct TSearch {
    std::wstring Class;
    std::wstring Text;
    bool ByText = false;
    bool VisibleOnly = false;
    std::vector<HWND> Found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<TSearch*>(param);
    if (search->VisibleOnly && !IsWindowVisible(hwnd))
        return TRUE;
    if (!search->Class.empty() && ClassOf(hwnd) != search->Class)
        return TRUE;
    if (search->ByText && WindowText(hwnd) != search->Text)
        return TRUE;
    search->Found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> TopLevel(const std::wstring& cls, bool visibleOnly)
{
    TSearch search{cls, L"", false, visibleOnly, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

std::vector<HWND> Children(HWND parent, const std::wstring& cls, const std::wstring* text)
{
    TSearch search{cls, text ? *text : L"", text != nullptr, false, {}};
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

template <typename TPredicate> bool WaitFor(double seconds, TPredicate done)
{
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        if (done())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(50);
    }
}

HWND FindTitle(const std::wstring& title) { return FindWindowW(nullptr, title.c_str()); }

std::vector<HWND> TopLevelWithText(const std::wstring& cls, const std::wstring& text)
{
    TSearch search{cls, text, true, true, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

void PrintRect(const RECT& r) { std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom); }

// Measured as the hint windows measure their text, in this process's own
// copy of the platform's hint font.
bool PrintHintTextSize(const std::wstring& text, int width)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return false;
    HFONT font = CreateFontIndirectW(&metrics.lfStatusFont);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_VCENTER | DT_CENTER);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    std::printf("%ld %ld\n", r.right - r.left, r.bottom - r.top);
    return true;
}

int Usage()
{
    std::fputs(
        "usage: e2e_probe "
        "wait-window|wait-class|wait-gone|wait-hint|click|hover|hover-off|text|close|close-class|rect|state|"
        "\n"
        "syscommand|pixels|hint-text-size ...\n",
        stderr);
    return 2;
}

// The screen's pixels over a rectangle, 32 bits a pixel (blue, green, red,
// unused), rows from the top.
bool CaptureScreen(int x, int y, int width, int height, std::vector<unsigned char>& pixels)
{
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
        return false;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (memory && bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, width, height, screen, x, y, SRCCOPY) != FALSE;
        SelectObject(memory, old);
    }
    if (copied) {
        GdiFlush();
        const auto* first = static_cast<const unsigned char*>(bits);
        pixels.assign(first, first + static_cast<size_t>(width) * height * 4);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memory)
        DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied;
}

// Each figure is asked with its own message; a window that does not answer
// in time fails the command rather than printing a made-up figure.
bool PrintResources(HWND window)
{
    const UINT message = RegisterWindowMessageW(pp::ResourceReportMessageName);
    const pp::TResourceFigure figures[] = {pp::TResourceFigure::GdiHandles, pp::TResourceFigure::UserHandles,
                                           pp::TResourceFigure::PrivateKilobytes};
    for (const pp::TResourceFigure figure : figures) {
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutW(window, message, static_cast<WPARAM>(figure), 0, SMTO_ABORTIFHUNG, 5000,
                                 &answer))
            return false;
        std::printf("%s%ld", figure == figures[0] ? "" : " ",
                    static_cast<long>(static_cast<LONG_PTR>(answer)));
    }
    std::printf("\n");
    return true;
}

// Reads what the screen shows, so that windowless controls, which have no
// text or state to ask for from outside, can be told apart by their picture.
bool PrintClientPixels(HWND window, int x, int y, int width, int height)
{
    POINT origin{x, y};
    ClientToScreen(window, &origin);
    std::vector<unsigned char> pixels;
    if (!CaptureScreen(origin.x, origin.y, width, height, pixels))
        return false;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const unsigned char* p = &pixels[(static_cast<size_t>(row) * width + column) * 4];
            std::printf("%02X%02X%02X", p[2], p[1], p[0]);
        }
        std::printf("\n");
    }
    std::fflush(stdout);
    return true;
}

// The whole screen as a 32-bit bitmap file, for a picture of something too
// short-lived to be caught from outside the moment it shows.
bool SaveScreen(const std::wstring& path)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<unsigned char> pixels;
    if (!CaptureScreen(0, 0, width, height, pixels))
        return false;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out)
        return false;
    const bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
                         std::fwrite(&header, sizeof(header), 1, out) == 1 &&
                         std::fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
    std::fclose(out);
    return written;
}

// Posts a system command to the window and watches the visible top-level
// windows of a class for a while, printing every new rectangle one of them
// takes (an animation's frames); with a file, the screen is saved there
// when the given frame shows.
void WatchSystemCommand(HWND window, WPARAM code, const std::wstring& cls, double seconds,
                        const std::wstring& shot, int shotFrame)
{
    PostMessageW(window, WM_SYSCOMMAND, code, 0);
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    RECT last{};
    int frames = 0;
    while (GetTickCount64() < deadline) {
        for (HWND found : TopLevel(cls, true)) {
            RECT r;
            GetWindowRect(found, &r);
            if (EqualRect(&r, &last))
                continue;
            last = r;
            PrintRect(r);
            std::fflush(stdout);
            // The window's new content reaches the display a moment after its new place.
            if (++frames == shotFrame && !shot.empty()) {
                Sleep(6);
                SaveScreen(shot);
            }
        }
        Sleep(2);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return Usage();
    const std::wstring command = argv[1];
    const std::wstring first = argv[2];
    const double seconds = argc > 3 ? _wtof(argv[3]) : 10.0;

    if (command == L"wait-window")
        return WaitFor(seconds, [&] { return FindTitle(first) != nullptr; }) ? 0 : 1;
    if (command == L"wait-class")
        return WaitFor(seconds, [&] { return !TopLevel(first, true).empty(); }) ? 0 : 1;
    if (command == L"wait-gone")
        return WaitFor(seconds, [&] { return TopLevel(first, true).empty(); }) ? 0 : 1;
    if (command == L"wait-hint" && argc > 4) {
        const std::wstring text = argv[3];
        std::vector<HWND> found;
        if (!WaitFor(_wtof(argv[4]), [&] { return !(found = TopLevelWithText(first, text)).empty(); }))
            return 1;
        RECT r;
        GetWindowRect(found[0], &r);
        PrintRect(r);
        return 0;
    }
    if (command == L"hint-text-size" && argc > 3)
        return PrintHintTextSize(first, _wtoi(argv[3])) ? 0 : 1;
    if (command == L"class-rect") {
        const auto found = TopLevel(first, true);
        if (found.empty())
            return 1;
        RECT r;
        GetWindowRect(found[0], &r);
        PrintRect(r);
        return 0;
    }
    if (command == L"close-class") {
        for (HWND hwnd : TopLevel(first, true))
            PostMessageW(hwnd, WM_CLOSE, 0, 0);
        return 0;
    }

    HWND window = FindTitle(first);
    if (!window) {
        std::fputs("e2e_probe: window not found\n", stderr);
        return 1;
    }
    if (command == L"close") {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    }
    if (command == L"state") {
        const bool layered = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
        std::printf("%s%s\n",
                    IsIconic(window)   ? "minimized"
                    : IsZoomed(window) ? "maximized"
                                       : "normal",
                    layered ? " layered" : "");
        return 0;
    }
    if (command == L"syscommand") {
        if (argc == 4) {
            PostMessageW(window, WM_SYSCOMMAND, static_cast<WPARAM>(std::wcstoul(argv[3], nullptr, 0)), 0);
            return 0;
        }
        if (argc < 6)
            return Usage();
        WatchSystemCommand(window, static_cast<WPARAM>(std::wcstoul(argv[3], nullptr, 0)), argv[4],
                           _wtof(argv[5]), argc > 7 ? argv[6] : L"", argc > 7 ? _wtoi(argv[7]) : 0);
        return 0;
    }
    if (command == L"rect") {
        RECT r;
        GetWindowRect(window, &r);
        PrintRect(r);
        return 0;
    }
    if (command == L"hover-at") {
        if (argc < 5)
            return Usage();
        RECT r;
        GetWindowRect(window, &r);
        SetCursorPos(r.left + _wtoi(argv[3]), r.top + _wtoi(argv[4]));
        return 0;
    }
    if (command == L"resources")
        return PrintResources(window) ? 0 : 1;
    if (command == L"hover-off") {
        // The far corner of the screen, outside every window of the program.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        return 0;
    }
    if (command == L"measures") {
        RECT outer, client;
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        const long width = outer.right - outer.left;
        std::printf("%ld %ld %ld %d\n", width, outer.bottom - outer.top, (width - client.right) / 2,
                    GetSystemMetrics(SM_CYCAPTION));
        return 0;
    }
    if (command == L"minimized") {
        std::printf("%d\n", IsIconic(window) || !IsWindowVisible(window) ? 1 : 0);
        return 0;
    }
    if (command == L"hittest") {
        if (argc < 5)
            return Usage();
        RECT outer;
        GetWindowRect(window, &outer);
        const LPARAM at = MAKELPARAM(outer.left + _wtoi(argv[3]), outer.top + _wtoi(argv[4]));
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutW(window, WM_NCHITTEST, 0, at, SMTO_ABORTIFHUNG, 2000, &answer))
            return 1;
        std::printf("%ld\n", static_cast<long>(static_cast<LRESULT>(answer)));
        return 0;
    }
    if (command == L"pixels") {
        if (argc < 7)
            return Usage();
        return PrintClientPixels(window, _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]), _wtoi(argv[6])) ? 0
                                                                                                         : 1;
    }
    if (command == L"pixel-series") {
        if (argc < 7)
            return Usage();
        const int x = _wtoi(argv[3]), y = _wtoi(argv[4]), count = _wtoi(argv[5]), pause = _wtoi(argv[6]);
        for (int i = 0; i < count; ++i) {
            if (!PrintClientPixels(window, x, y, 1, 1))
                return 1;
            Sleep(static_cast<DWORD>(pause));
        }
        return 0;
    }
    if (argc < 4)
        return Usage();
    const std::wstring second = argv[3];
    const size_t index = argc > 4 ? static_cast<size_t>(_wtoi(argv[4])) : 0;
    if (command == L"click") {
        const auto found = Children(window, L"", &second);
        if (found.size() <= index)
            return 1;
        PostMessageW(found[index], BM_CLICK, 0, 0);
        return 0;
    }
    // Puts the pointer over the middle of a child and prints where the child
    // lies in the window's client area: left top width height.
    if (command == L"hover") {
        const auto found = Children(window, L"", &second);
        if (found.size() <= index)
            return 1;
        RECT r;
        GetWindowRect(found[index], &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        POINT topLeft{r.left, r.top};
        ScreenToClient(window, &topLeft);
        std::printf("%ld %ld %ld %ld\n", topLeft.x, topLeft.y, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (command == L"text") {
        const auto found = Children(window, second, nullptr);
        if (found.size() <= index)
            return 1;
        PrintUtf8(WindowText(found[index]));
        return 0;
    }
    return Usage();
}
