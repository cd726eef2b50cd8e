// What a skin editing tool may ask a skinned form (message 0xA400, by
// wParam), and the tool's skin records, which only the main form of a
// program started with "/acpreview" takes.
#include "FrameFixture.h"

#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinPreviewRecord.h"
#include "skin/loading/SkinPreviewWin32.h"

namespace pp::test {
namespace {

LRESULT AskTool(HWND window, WPARAM kind) { return SendMessageW(window, SkinPreviewMessage, kind, 0); }

TEST_F(FrameTest, TheToolsQuestionsAreAnsweredByTheirKind)
{
    ShowSkinnedForm();
    EXPECT_EQ(AskTool(Window(), 4), 1) << "the form is skinned";
    EXPECT_EQ(AskTool(Window(), 9), 0) << "an unknown question is swallowed";
    EXPECT_TRUE(form->Visible());
    AskTool(Window(), 1);
    Settle();
    EXPECT_FALSE(form->Visible()) << "1 closes the form";
}

TEST_F(FrameTest, ASkinRecordIsNotTakenWithoutAcpreview)
{
    ShowSkinnedForm();
    const std::string before = manager->SkinName();
    TPreviewRecordBytes record = WriteSkinPreviewRecord({"Elsewhere", "c:\\Skins", "[GLOBALINFO]\r\n"});
    ASSERT_EQ(record.Fault, TPreviewRecordFault::None);
    COPYDATASTRUCT data{SkinPreviewCopyDataKind, static_cast<DWORD>(record.Bytes.size()),
                        record.Bytes.data()};
    EXPECT_EQ(SendMessageW(Window(), WM_COPYDATA, SkinPreviewCopyDataKind, reinterpret_cast<LPARAM>(&data)),
              0);
    EXPECT_EQ(manager->SkinName(), before);
    EXPECT_FALSE(SkinEngine.EditorPreviewMode);
}

} // namespace
} // namespace pp::test
