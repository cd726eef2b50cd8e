#include "toolkit/KeptBitmapCanvas.h"

namespace pp {

TKeptBitmapCanvas::TKeptBitmapCanvas() : memoryDC_(CreateCompatibleDC(nullptr))
{
    SetHandle(memoryDC_.Get());
}

TKeptBitmapCanvas::~TKeptBitmapCanvas()
{
    Release();
    SetHandle(nullptr);
}

void TKeptBitmapCanvas::Target(TBitmap& bitmap)
{
    // The old bitmap goes out first: selecting the new one over it would
    // leave the context's own bitmap lost.
    Release();
    selectedBitmap_ = std::make_unique<TSelectObject>(memoryDC_.Get(),
                                                      static_cast<HGDIOBJ>(bitmap.NativeHandle()));
}

void TKeptBitmapCanvas::Release() { selectedBitmap_.reset(); }

} // namespace pp
