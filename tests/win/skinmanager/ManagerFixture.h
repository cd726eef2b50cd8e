#pragma once
// A skin manager with a private skin directory, whose announcements to the
// windows are written down, and whose message boxes are closed and kept.
#include "skin/loading/SkinManagerWin32.h"
#include "skinmanager/SkinFixture.h"
#include "support/WinTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pp::test {

struct TBoxSeen {
    std::wstring Caption;
    std::wstring Text;
};

// Closes every message box the manager shows and keeps what it said.
class TBoxRecorder {
public:
    TBoxRecorder()
        : watcher_([this](HWND window) {
              TBoxSeen box;
              if (!CloseMessageBox(window, &box.Caption, &box.Text))
                  return false;
              if (OnBox)
                  OnBox();
              boxes_.push_back(box);
              return true;
          })
    {
    }
    const std::vector<TBoxSeen>& Boxes() const { return boxes_; }
    // Runs while a box is up.
    std::function<void()> OnBox;

private:
    std::vector<TBoxSeen> boxes_;
    TModalWatcher watcher_;
};

struct TAnnouncement {
    TSkinAnnouncement What;
    bool SkinLoading;
    bool SkinShown;
};

using enum TSkinAnnouncement;
using TWhats = std::vector<TSkinAnnouncement>;

class SkinManagerTest : public testing::Test {
protected:
    SkinManagerTest()
    {
        SkinAnnouncer.ToEveryForm = [this](TsSkinManager& sender, TSkinAnnouncement what) {
            announcements.push_back({what, SkinEngine.SkinLoading, sender.SkinData().Active});
        };
        manager = std::make_unique<TsSkinManager>(nullptr);
        manager->SetSkinDirectory(skins.Path());
    }
    ~SkinManagerTest() override
    {
        manager.reset();
        SkinAnnouncer = {};
    }

    TWhats Whats() const
    {
        TWhats whats;
        for (const TAnnouncement& a : announcements)
            whats.push_back(a.What);
        return whats;
    }

    TSkinDirectory skins;
    TBoxRecorder boxes;
    std::vector<TAnnouncement> announcements;
    std::unique_ptr<TsSkinManager> manager;
};

} // namespace pp::test
