// The skin command message on its way from the manager to the windows:
// which forms and controls hear it, in what order, and the hot window's
// enter and leave.
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinBroadcastWin32.h"
#include "skin/paint/SkinMessages.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace pp::test {
namespace {

struct THeard {
    std::string Who;
    unsigned Command;
    LPARAM LParam;
    friend bool operator==(const THeard&, const THeard&) = default;
};

std::vector<THeard>& Heard()
{
    static std::vector<THeard> heard;
    return heard;
}

// A form or control that writes down every skin command it hears and
// answers "skinned" when it is told to be.
template <class Base> class TListening : public Base {
public:
    TListening(TComponent* owner, std::string name, bool skinned) : Base(owner), skinned_(skinned)
    {
        this->SetName(std::move(name));
    }
    void WndProc(TMessage& message) override
    {
        if (message.Msg != SM_SKINCOMMAND)
            return Base::WndProc(message);
        if (SkinCommandOf(message.WParam) == SkinMsgIsSkinned)
            message.Result = skinned_ ? 1 : 0;
        else
            Heard().push_back({this->Name(), SkinCommandOf(message.WParam), message.LParam});
    }

private:
    bool skinned_;
};

using TListeningForm = TListening<TForm>;
using TListeningBox = TListening<TWinControl>;
using TListeningLabel = TListening<TGraphicControl>;

template <class T> T* Child(TWinControl& parent, const char* name, bool skinned)
{
    auto* child = new T(&parent, name, skinned);
    child->SetParent(&parent);
    if (auto* windowed = dynamic_cast<TWinControl*>(static_cast<TControl*>(child)))
        windowed->HandleNeeded();
    return child;
}

class SkinBroadcastTest : public testing::Test {
protected:
    SkinBroadcastTest()
    {
        InstallSkinBroadcast();
        Heard().clear();
    }
    ~SkinBroadcastTest() override
    {
        forms.clear();
        manager.reset();
        SkinAnnouncer = {};
    }

    TListeningForm& Form(const char* name, bool skinned)
    {
        forms.push_back(std::make_unique<TListeningForm>(Application, name, skinned));
        forms.back()->HandleNeeded();
        return *forms.back();
    }
    LPARAM Sender() const { return reinterpret_cast<LPARAM>(manager.get()); }
    std::vector<THeard> Expected(std::initializer_list<const char*> names, unsigned command) const
    {
        std::vector<THeard> expected;
        for (const char* name : names)
            expected.push_back({name, command, Sender()});
        return expected;
    }

    std::unique_ptr<TsSkinManager> manager = std::make_unique<TsSkinManager>(nullptr);
    std::vector<std::unique_ptr<TListeningForm>> forms;
};

TEST_F(SkinBroadcastTest, ReachesSkinnedControlsInsideAnUnskinnedContainer)
{
    TListeningForm& form = Form("form", false);
    auto* panel = Child<TListeningBox>(form, "panel", false);
    Child<TListeningBox>(*panel, "box", true);
    Child<TListeningLabel>(*panel, "label", false);
    auto* skinnedPanel = Child<TListeningBox>(form, "skinned panel", true);
    Child<TListeningBox>(*skinnedPanel, "inside skinned panel", true);
    manager->BroadcastNewSkin(false);
    // The unskinned panel passes it on; a skinned container takes it for
    // what it holds.
    EXPECT_EQ(Heard(), Expected({"form", "box", "label", "skinned panel"}, SkinMsgSetSkin));
}

TEST_F(SkinBroadcastTest, FormsHearItLastCreatedFirstAndSkinnedOnesThroughTheirProvider)
{
    Form("first", false);
    Form("second", false);
    TListeningForm& provided = Form("provided", true);
    manager->SetScrollSize(12);
    std::vector<THeard> expected = Expected({"second", "first"}, SkinMsgStopFading);
    for (const THeard& h : Expected({"second", "first"}, SkinMsgRefresh))
        expected.push_back(h);
    EXPECT_EQ(Heard(), expected);

    Heard().clear();
    RegisterProviderForm(provided);
    RegisterProviderForm(provided);
    manager->BroadcastRemoveSkin();
    EXPECT_EQ(Heard(), Expected({"second", "first", "provided"}, SkinMsgRemoveSkin));
    UnregisterProviderForm(provided);
}

TEST_F(SkinBroadcastTest, FormsBeingLoadedOrDestroyedHearNothing)
{
    Form("loading", false).BeginLoading();
    Form("destroying", false).Destroying();
    manager->BroadcastRefresh(false);
    EXPECT_TRUE(Heard().empty());
}

TEST_F(SkinBroadcastTest, HotWindowHearsEnterAndLeaveOnceEach)
{
    TListeningForm& first = Form("first", true);
    TListeningForm& second = Form("second", true);
    manager->SetHotWindow(first.Handle());
    manager->SetHotWindow(first.Handle());
    EXPECT_EQ(Heard(), Expected({"first"}, 29));
    Heard().clear();
    manager->SetHotWindow(second.Handle());
    std::vector<THeard> expected = Expected({"first"}, SkinMsgMouseLeave);
    expected.push_back({"second", 29, Sender()});
    EXPECT_EQ(Heard(), expected);
    Heard().clear();
    manager->SetHotWindow(nullptr);
    EXPECT_EQ(Heard(), Expected({"second"}, SkinMsgMouseLeave));
}

TEST_F(SkinBroadcastTest, HotControlTakesOverFromTheHotWindowAndMayRefuseToLetGo)
{
    TListeningForm& form = Form("form", true);
    auto* left = Child<TListeningLabel>(form, "left", true);
    auto* right = Child<TListeningLabel>(form, "right", true);
    manager->SetHotWindow(form.Handle());
    Heard().clear();
    EXPECT_TRUE(manager->SetHotControl(left));
    EXPECT_EQ(manager->HotWindow(), nullptr);
    EXPECT_EQ(Heard(), Expected({"form"}, SkinMsgMouseLeave));
    Heard().clear();
    EXPECT_TRUE(manager->SetHotControl(right));
    EXPECT_EQ(Heard(), Expected({"left"}, SkinMsgMouseLeave));

    // While the binding still has the mouse, neither clearing the control
    // nor a new hot window takes its place.
    bool holds = true;
    SkinAnnouncer.HoldsMouse = [&](TControl&) { return holds; };
    Heard().clear();
    EXPECT_FALSE(manager->SetHotControl(nullptr));
    manager->SetHotWindow(form.Handle());
    EXPECT_EQ(manager->HotControl(), right);
    EXPECT_EQ(manager->HotWindow(), nullptr);
    EXPECT_TRUE(Heard().empty());

    // A hot control that is freed is forgotten.
    delete right;
    EXPECT_EQ(manager->HotControl(), nullptr);
    manager->SetHotWindow(form.Handle());
    EXPECT_EQ(Heard(), Expected({"form"}, 29));
}

TEST_F(SkinBroadcastTest, OnlyVisibleAdoptedWindowsHearTheSkin)
{
    TListeningForm& adopted = Form("adopted", true);
    TListeningForm& hidden = Form("hidden", true);
    adopted.Show();
    AdoptedWindows = [&] { return std::vector<HWND>{adopted.Handle(), hidden.Handle()}; };
    manager->BroadcastNewSkin(false);
    EXPECT_EQ(Heard(), Expected({"adopted"}, SkinMsgSetSkin));
    AdoptedWindows = nullptr;
}

} // namespace
} // namespace pp::test
