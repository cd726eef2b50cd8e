// Ownership and state of components.
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

// Records its own end and the state it saw then.
class TTracked : public TComponent {
public:
    TTracked(TComponent* owner, std::vector<std::string>& log) : TComponent(owner), log_(log) { }
    ~TTracked() override { log_.push_back(Name() + (IsDestroying() ? " destroying" : " alive")); }
    void Notification(TComponent* component, TOperation operation) override
    {
        if (operation == TOperation::opRemove)
            log_.push_back(Name() + " heard " + component->Name());
        TComponent::Notification(component, operation);
    }

private:
    std::vector<std::string>& log_;
};

TEST(ComponentTest, OwnerFreesItsComponentsLastFirstAndMarksThemDestroying)
{
    std::vector<std::string> log;
    {
        TComponent owner(nullptr);
        for (const char* name : {"a", "b", "c"})
            (new TTracked(&owner, log))->SetName(name);
        EXPECT_EQ(owner.ComponentCount(), 3);
        EXPECT_EQ(owner.FindComponent("b")->Name(), "b");
        EXPECT_EQ(owner.FindComponent("x"), nullptr);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"c destroying", "b destroying", "a destroying"}));
}

TEST(ComponentTest, AComponentFreedEarlyLeavesItsOwner)
{
    std::vector<std::string> log;
    TComponent owner(nullptr);
    auto* early = new TTracked(&owner, log);
    early->SetName("early");
    delete early;
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(owner.FindComponent("early"), nullptr);
}

TEST(ComponentTest, FreeNotificationTellsTheOtherSide)
{
    std::vector<std::string> log;
    TTracked listener(nullptr, log);
    listener.SetName("listener");
    auto* target = new TTracked(nullptr, log);
    target->SetName("target");
    listener.FreeNotification(target);
    delete target;
    EXPECT_NE(std::find(log.begin(), log.end(), "listener heard target"), log.end());
}

TEST(ComponentTest, DesigningFlagReachesOwnedComponents)
{
    TComponent owner(nullptr);
    auto* child = new TComponent(&owner);
    owner.SetDesigning(true);
    EXPECT_TRUE(child->IsDesigning());
    owner.SetDesigning(false);
    EXPECT_FALSE(child->HasState(csDesigning));
}

TEST(ComponentTest, ControlsLeaveTheirParentWhenFreed)
{
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    form.HandleNeeded();
    HWND buttonWindow = button->Handle();
    ASSERT_EQ(form.ControlCount(), 2);
    delete button;
    EXPECT_EQ(form.ControlCount(), 1);
    EXPECT_FALSE(IsWindow(buttonWindow));
    EXPECT_EQ(form.ControlAtPos({label->Left() + 1, label->Top() + 1}, false), label);
}

TEST(ComponentTest, AWindowDestroyedByThePlatformIsForgotten)
{
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    HWND window = button->Handle();
    DestroyWindow(window);
    EXPECT_FALSE(button->HandleAllocated());
    // Asking again makes a new one.
    EXPECT_TRUE(IsWindow(button->Handle()));
}

} // namespace
} // namespace pp::test
