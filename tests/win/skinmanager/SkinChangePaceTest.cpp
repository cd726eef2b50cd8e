// The port's timers (punctual timers) tick inside a skin change, and only
// where a tick's handler may repaint: while the new skin is read, with the
// skin in use whole and painters holding back, and once the windows have
// been told the new skin.
#include "skinmanager/ManagerFixture.h"

#include "skin/loading/SkinEngineState.h"
#include "toolkit/Timer.h"

namespace pp::test {
namespace {

struct TTickSeen {
    bool Loading;
    bool Active;
    std::string Author;
};

TEST_F(SkinManagerTest, PunctualTimersTickInsideASkinChangeWhereTheSkinIsWhole)
{
    skins.WriteFolder("Old", SkinWithVersion("8", "old"));
    manager->SetSkinName("Old");
    skins.WriteFolder("New", SkinWithVersion("8", "new"));
    std::vector<TTickSeen> seen;
    TTimer timer(nullptr);
    timer.SetPunctual(true);
    timer.SetInterval(10);
    timer.SetOnTimer([&](TObject*) {
        seen.push_back({SkinEngine.SkinLoading, manager->SkinData().Active, manager->SkinData().Author});
        Sleep(30); // long enough for the next tick to be due at the next chance
    });
    Sleep(30);
    manager->SetSkinName("New");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[0].Loading);
    EXPECT_EQ(seen[0].Author, "old") << "the new skin has not taken the place of the one in use yet";
    EXPECT_FALSE(seen[1].Loading);
    EXPECT_TRUE(seen[1].Active);
    EXPECT_EQ(seen[1].Author, "new");
}

} // namespace
} // namespace pp::test
