// A paint event that throws: the error reaches the application's handler,
// and the paint still ends as it began.
#include "core/Error.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pp::test {
namespace {

class TFailingPainter : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int Paints = 0;
    long ContextsWhilePainting = 0;

protected:
    void Paint() override
    {
        ++Paints;
        ContextsWhilePainting = LiveHandleCount(THandleKind::DC);
        throw Exception("paint failed");
    }
};

TEST(PaintTest, APaintEventThatThrowsStillEndsThePaint)
{
    std::vector<std::string> errors;
    Application->OnException = [&](TObject*, const std::exception& e) { errors.push_back(e.what()); };
    TForm form(nullptr);
    form.SetBounds(10, 10, 200, 120);
    auto* painter = new TFailingPainter(&form);
    painter->SetBounds(10, 10, 50, 20);
    painter->SetParent(&form);
    form.Show();
    PumpMessagesUntil([&] { return painter->Paints > 0; });
    errors.clear();
    const long contexts = LiveHandleCount(THandleKind::DC);

    InvalidateRect(form.Handle(), nullptr, TRUE);
    UpdateWindow(form.Handle());

    EXPECT_EQ(errors, std::vector<std::string>{"paint failed"});
    // The paint's context is held by an owner while the control paints, and
    // that owner ended the paint (EndPaint) when the exception left it.
    EXPECT_EQ(painter->ContextsWhilePainting, contexts + 1);
    EXPECT_EQ(LiveHandleCount(THandleKind::DC), contexts);
    EXPECT_FALSE(GetUpdateRect(form.Handle(), nullptr, FALSE));
    EXPECT_FALSE(painter->Canvas().HandleAllocated())
        << "the canvas still holds the finished paint's context";
    Application->OnException = nullptr;
}

} // namespace
} // namespace pp::test
