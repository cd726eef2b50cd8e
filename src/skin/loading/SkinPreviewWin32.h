#pragma once
// A skin editing tool can show the skin it edits in the running program:
// started with "/acpreview", the program tells the tool its main window,
// and the tool sends the skin there (see TsSkinManager::ApplySkinPreview).
#include <windows.h>

namespace pp {

// The title of the editing tool's window, by which the program finds it.
inline constexpr const wchar_t* SkinPreviewToolTitle = L"Pindrel Skin Preview";
// The message that tells the tool the main window (wParam 3, lParam the
// window); the tool answers 1 once it has it.
inline constexpr UINT SkinPreviewMessage = 0xA400;
inline constexpr WPARAM SkinPreviewAnnounceKind = 3;
inline constexpr int SkinPreviewAnnounceAttempts = 101;

// The program's first argument is exactly "/acpreview".
bool SkinPreviewRequested();

// Tells the editing tool, if one is running, which window takes its
// previews. A tool that does not answer in time is given up, so that a hung
// window of that title cannot hang the program's start.
void AnnounceToSkinPreviewTool(HWND mainForm);

} // namespace pp
