#pragma once
// Bitmaps on Windows keep their pixels in DIB sections.

namespace pp {

// Installs the Windows pixel storage (DIB sections, so that bitmaps have an
// HBITMAP) and the system colour resolver. Application.Initialize calls it.
void InstallGraphicsPlatform();

} // namespace pp
