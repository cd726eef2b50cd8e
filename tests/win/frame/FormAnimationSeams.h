#pragma once
// Stand-ins for what the form animations ask the platform: the user's
// minimize-animation setting, desktop composition, the layered-window
// update and the taskbar. Each replaces its seam for one scope.
#include "skin/forms/SystemAnimationGuard.h"
#include "skin/forms/TaskbarTarget.h"
#include "skin/loading/DesktopCompositionWin32.h"
#include "skin/paint/LayeredWindowWin32.h"

#include <vector>

namespace pp::test {

// The platform's minimize-animation setting, with every change recorded.
class TRecordedSetting {
public:
    explicit TRecordedSetting(bool on, bool readable = true) : on_(on)
    {
        previous_ = SetSystemAnimationApi({[this, readable](bool& on) {
                                               on = on_;
                                               return readable;
                                           },
                                           [this](bool on) {
                                               on_ = on;
                                               writes.push_back(on);
                                           }});
    }
    ~TRecordedSetting() { SetSystemAnimationApi(previous_); }
    TRecordedSetting(const TRecordedSetting&) = delete;
    TRecordedSetting& operator=(const TRecordedSetting&) = delete;
    bool On() const { return on_; }
    std::vector<bool> writes;

private:
    bool on_;
    TSystemAnimationApi previous_;
};

// Desktop composition reported on or off.
class TComposition {
public:
    explicit TComposition(bool on) : previous_(SetDesktopCompositionQuery([on] { return on; })) { }
    ~TComposition() { SetDesktopCompositionQuery(previous_); }
    TComposition(const TComposition&) = delete;
    TComposition& operator=(const TComposition&) = delete;

private:
    TCompositionQuery previous_;
};

// Every picture handed to the layered-window update, recorded.
class TRecordedPushes {
public:
    struct TPush {
        HWND Window;
        TRect Rect;
        int Alpha;
    };
    TRecordedPushes()
    {
        previous_ = SetLayeredWindowApi(
            {[] { return true; },
             [this](const TLayeredPush& push) {
                 pushes.push_back(
                     {push.Window,
                      TRect::FromBounds(push.Position.X, push.Position.Y, push.Size.Width, push.Size.Height),
                      push.Alpha});
                 return true;
             }});
    }
    ~TRecordedPushes() { SetLayeredWindowApi(previous_); }
    TRecordedPushes(const TRecordedPushes&) = delete;
    TRecordedPushes& operator=(const TRecordedPushes&) = delete;
    std::vector<TPush> pushes;

private:
    TLayeredWindowApi previous_;
};

// A taskbar of another program's choosing: none at all by default.
class TTaskbar {
public:
    explicit TTaskbar(HWND tray = nullptr) : previous_(SetTaskbarApi({[tray] { return tray; }})) { }
    ~TTaskbar() { SetTaskbarApi(previous_); }
    TTaskbar(const TTaskbar&) = delete;
    TTaskbar& operator=(const TTaskbar&) = delete;

private:
    TTaskbarApi previous_;
};

} // namespace pp::test
