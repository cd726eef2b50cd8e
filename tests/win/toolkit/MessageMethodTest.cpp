// Every message of a control passes through its replaceable message method;
// a replacement can watch, chain to the saved one, and be taken out again.
#include "TestForm.h"
#include "support/WinTestSupport.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

constexpr UINT TestMessage = WM_APP + 17;

// Puts a recording method in front of a control's message method.
class TMessageSpy {
public:
    TMessageSpy(TControl& control, std::vector<std::string>& log) : control_(control), saved_(control.WindowProc)
    {
        control.WindowProc = [this, &log](TMessage& m) {
            if (m.Msg == TestMessage) log.push_back("spy");
            saved_(m);
        };
    }
    ~TMessageSpy() { control_.WindowProc = saved_; }

private:
    TControl& control_;
    TWndMethod saved_;
};

// A label that logs what its own message handling sees.
class TLoggingLabel : public TLabel {
public:
    TLoggingLabel(TComponent* owner, std::vector<std::string>& log) : TLabel(owner), log_(log) {}
    void WndProc(TMessage& m) override
    {
        if (m.Msg == TestMessage) {
            log_.push_back("own");
            m.Result = 42;
            return;
        }
        TLabel::WndProc(m);
    }

private:
    std::vector<std::string>& log_;
};

TEST(MessageMethodTest, PerformOnAWindowlessControlReachesTheReplacementThenTheSavedMethod)
{
    std::vector<std::string> log;
    TForm form(nullptr);
    auto* label = new TLoggingLabel(&form, log);
    label->SetParent(&form);
    {
        TMessageSpy spy(*label, log);
        EXPECT_EQ(label->Perform(TestMessage), 42);
        EXPECT_EQ(log, (std::vector<std::string>{"spy", "own"}));
    }
    log.clear();
    EXPECT_EQ(label->Perform(TestMessage), 42);
    EXPECT_EQ(log, (std::vector<std::string>{"own"})) << "the saved method was not put back";
}

TEST(MessageMethodTest, PlatformMessagesOfAWindowPassThroughTheReplacement)
{
    std::vector<std::string> log;
    TForm1 form(nullptr);
    std::vector<UINT> seen;
    TWndMethod saved = form.Button1->WindowProc;
    form.Button1->WindowProc = [&](TMessage& m) {
        seen.push_back(m.Msg);
        saved(m);
    };
    SendMessageW(form.Button1->Handle(), TestMessage, 0, 0);
    SetWindowTextW(form.Button1->Handle(), L"x");
    EXPECT_NE(std::find(seen.begin(), seen.end(), TestMessage), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), UINT(WM_SETTEXT)), seen.end());
    // The saved method still hands the text to the system button.
    EXPECT_EQ(WindowText(form.Button1->Handle()), L"x");
    form.Button1->WindowProc = saved;
}

TEST(MessageMethodTest, NotificationsReachTheMessageMethod)
{
    TForm1 form(nullptr);
    std::vector<UINT> seen;
    TWndMethod saved = form.Label1->WindowProc;
    form.Label1->WindowProc = [&](TMessage& m) {
        seen.push_back(m.Msg);
        saved(m);
    };
    form.Label1->SetEnabled(false);
    form.Label1->SetVisible(false);
    form.Label1->SetCaption("changed");
    form.Label1->SetColor(clWhite);
    form.Label1->Font().SetStyle(fsBold);
    const std::vector<UINT> expected{CM_ENABLEDCHANGED, CM_VISIBLECHANGED, CM_TEXTCHANGED, CM_COLORCHANGED,
                                     CM_FONTCHANGED};
    for (UINT msg : expected) EXPECT_NE(std::find(seen.begin(), seen.end(), msg), seen.end()) << std::hex << msg;
    form.Label1->WindowProc = saved;
}

TEST(MessageMethodTest, ParentFontAndColourAreFollowedUntilSetOnTheControl)
{
    TForm form(nullptr);
    auto* follower = new TLabel(&form);
    auto* own = new TLabel(&form);
    follower->SetParent(&form);
    own->SetParent(&form);
    own->Font().SetHeight(-20);
    own->SetColor(clWhite);
    form.Font().SetName("Arial");
    form.SetColor(clRed);
    EXPECT_EQ(follower->Font().Name(), "Arial");
    EXPECT_EQ(follower->Color(), clRed);
    EXPECT_TRUE(follower->ParentFont());
    EXPECT_NE(own->Font().Name(), "Arial");
    EXPECT_EQ(own->Color(), clWhite);
    EXPECT_FALSE(own->ParentFont());
    EXPECT_FALSE(own->ParentColor());
}

} // namespace
} // namespace pp::test
