// What a skinned form's non-client paint costs against one plain block copy
// of the same area, and what composing its frame image costs. The main
// window's measures (a sizeable form with one menu item) under the default
// skin. Prints; decides nothing.
#include "skin/forms/sSkinProvider.h"
#include "skin/loading/DefaultSkinPackage.h"
#include "skin/loading/SkinManagerWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"
#include "win/WindowFrameDC.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

// Median of several rounds of `count` runs, in microseconds per run.
double MedianMicroseconds(int count, const std::function<void()>& run)
{
    std::vector<double> rounds;
    for (int round = 0; round < 7; ++round) {
        const auto start = TClock::now();
        for (int i = 0; i < count; ++i)
            run();
        GdiFlush();
        rounds.push_back(std::chrono::duration<double, std::micro>(TClock::now() - start).count() / count);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

} // namespace

int main()
{
    using namespace pp;
    Application->Initialize();
    TsSkinManager manager(nullptr);
    TsStoredSkin& stored = manager.InternalSkins.Add();
    stored.Name = DefaultSkinName;
    stored.SetData(DefaultSkinPackage());
    manager.SetSkinName(DefaultSkinName);
    manager.SetActive(true);
    auto* form = new TForm(Application);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetCaption("LPT Pindrel_Port 888");
    form->SetClientSize(393, 192);
    auto* menu = new TMainMenu(form);
    auto* item = new TMenuItem(menu);
    item->SetCaption("Параметры");
    menu->Items().Add(item);
    form->SetMenu(menu);
    form->HandleNeeded();
    auto* provider = new TsSkinProvider(form);
    form->Show();
    form->Update();
    Application->ProcessMessages();
    TsFrameSkin& frame = provider->Frame();
    if (!frame.EnsureFrameImage()) {
        std::puts("the frame image could not be built (no skin?)");
        return 1;
    }
    const HWND window = form->HandleValue();
    TBitmap copy = *frame.FrameImage();
    TBitmapCanvas source(copy);
    // The reference: the window's context and the same four block copies
    // of the non-client strips, straight from a ready bitmap.
    const auto strips = NonClientStrips(frame.Measures());
    const double plain = MedianMicroseconds(2000, [&] {
        const TWindowFrameDC dc(window);
        for (const TRect& r : strips)
            BitBlt(dc.Get(), r.Left, r.Top, r.Width(), r.Height(), source.Handle(), r.Left, r.Top, SRCCOPY);
    });
    const double whole = MedianMicroseconds(2000, [&] {
        const TWindowFrameDC dc(window);
        BitBlt(dc.Get(), 0, 0, copy.Width(), copy.Height(), source.Handle(), 0, 0, SRCCOPY);
    });
    const double nonClient = MedianMicroseconds(2000, [&] { SendMessageW(window, WM_NCPAINT, 1, 0); });
    // What any message to the form costs on its way in, painting nothing.
    const double dispatch = MedianMicroseconds(2000, [&] { SendMessageW(window, WM_NULL, 0, 0); });
    const double paintOnly = MedianMicroseconds(2000, [&] { frame.PaintNonClient(); });
    const double rebuild = MedianMicroseconds(200, [&] {
        frame.InvalidateFrame();
        frame.EnsureFrameImage();
    });
    std::printf("window %d x %d\n", copy.Width(), copy.Height());
    std::printf("WM_NCPAINT %.1f us, the same four block copies %.1f us: ratio %.2f (goal 1.5 or below)\n",
                nonClient, plain, nonClient / plain);
    std::printf("one block copy of the whole window %.1f us\n", whole);
    std::printf(
        "of WM_NCPAINT: the provider's paint %.1f us (ratio %.2f), a message reaching the form %.1f us\n",
        paintOnly, paintOnly / plain, dispatch);
    std::printf("frame image rebuild %.0f us\n", rebuild);
    delete form;
    return 0;
}
