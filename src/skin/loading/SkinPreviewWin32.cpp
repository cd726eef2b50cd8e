#include "skin/loading/SkinPreviewWin32.h"

#include "skin/loading/SkinManagerWin32.h"
#include "skin/loading/SkinPreviewRecord.h"
#include "win/CommandLine.h"
#include "win/Text.h"

namespace pp {
namespace {

constexpr UINT AnnounceTimeoutMs = 200;

// The options text keeps the tool's bytes, as an options file would; only
// the name and folder are turned into the program's own text.
void ApplyRecord(TsSkinManager& manager, const TSkinPreviewRecord& record)
{
    manager.SetSkinDirectory(Utf8FromAnsi(record.SkinDirectory));
    manager.SetSkinName(Utf8FromAnsi(record.SkinName));
}

} // namespace

bool SkinPreviewRequested()
{
    const std::vector<std::string> arguments = ProgramArguments();
    return !arguments.empty() && arguments.front() == "/acpreview";
}

void AnnounceToSkinPreviewTool(HWND mainForm)
{
    for (int attempt = 0; attempt < SkinPreviewAnnounceAttempts; ++attempt) {
        const HWND tool = FindWindowW(nullptr, SkinPreviewToolTitle);
        if (!tool)
            return;
        DWORD_PTR answer = 0;
        const bool answered = SendMessageTimeoutW(tool, SkinPreviewMessage, SkinPreviewAnnounceKind,
                                                  reinterpret_cast<LPARAM>(mainForm),
                                                  SMTO_ABORTIFHUNG | SMTO_BLOCK, AnnounceTimeoutMs,
                                                  &answer) != 0;
        if (!answered || answer == 1)
            return;
    }
}

LRESULT TsSkinManager::ApplySkinPreview(WPARAM kind, const COPYDATASTRUCT* data)
{
    if (kind != SkinPreviewCopyDataKind || !data || !data->lpData)
        return 0;
    const auto record = ReadSkinPreviewRecord(
        {static_cast<const std::uint8_t*>(data->lpData), static_cast<std::size_t>(data->cbData)});
    if (!record)
        return 0;
    SkinEngine.EditorPreviewMode = true;
    lastLoadFailed_ = false;
    previewOptions_ = record->OptionsText;
    {
        TFlagScope locked(UpdateLocked, true);
        ApplyRecord(*this, *record);
    }
    {
        // The tool shows every edit at once; a fade per edit would only lag.
        TFlagScope noFade(AnimEffects.SkinChanging.Active, false);
        BroadcastNewSkin(true);
    }
    previewOptions_.reset();
    // The windows were told either way and show the skin that stays; the
    // tool must not hear that a skin it could not see is shown.
    return lastLoadFailed_ ? 0 : 1;
}

} // namespace pp
