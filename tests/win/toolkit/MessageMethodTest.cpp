// Every message of a control passes through its replaceable message method;
// a replacement can watch, chain to the saved one, and be taken out again.
#include "MessageWatch.h"
#include "TestForm.h"
#include "support/WinTestSupport.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

constexpr UINT TestMessage = WM_APP + 17;

// A label that logs what its own message handling sees.
class TLoggingLabel : public TLabel {
public:
    TLoggingLabel(TComponent* owner, std::vector<std::string>& log) : TLabel(owner), log_(log) { }
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
        TMessageWatch spy(*label, [&](const TMessage& m) {
            if (m.Msg == TestMessage)
                log.push_back("spy");
        });
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
    TMessageWatch watch(*form.Button1, [&](const TMessage& m) { seen.push_back(m.Msg); });
    SendMessageW(form.Button1->Handle(), TestMessage, 0, 0);
    SetWindowTextW(form.Button1->Handle(), L"x");
    EXPECT_NE(std::find(seen.begin(), seen.end(), TestMessage), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), UINT(WM_SETTEXT)), seen.end());
    // The saved method still hands the text to the system button.
    EXPECT_EQ(WindowText(form.Button1->Handle()), L"x");
}

TEST(MessageMethodTest, NotificationsReachTheMessageMethod)
{
    TForm1 form(nullptr);
    std::vector<UINT> seen;
    TMessageWatch watch(*form.Label1, [&](const TMessage& m) { seen.push_back(m.Msg); });
    form.Label1->SetEnabled(false);
    form.Label1->SetVisible(false);
    form.Label1->SetCaption("changed");
    form.Label1->SetColor(clWhite);
    form.Label1->Font().SetStyle(fsBold);
    const std::vector<UINT> expected{CM_ENABLEDCHANGED, CM_VISIBLECHANGED, CM_TEXTCHANGED, CM_COLORCHANGED,
                                     CM_FONTCHANGED};
    for (UINT msg : expected)
        EXPECT_NE(std::find(seen.begin(), seen.end(), msg), seen.end()) << std::hex << msg;
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
