#pragma once
// A canvas that draws on one bitmap after another through a single memory
// context, made once and kept. Drawing that repeats many times a second (a
// running light) would otherwise make and free a context each time, which
// under Wine also makes and frees an X graphics context and selects the
// default font anew.
#include "toolkit/Canvas.h"
#include "win/Handles.h"

#include <memory>

namespace pp {

class TKeptBitmapCanvas : public TCanvas {
public:
    TKeptBitmapCanvas();
    ~TKeptBitmapCanvas() override;

    // Draws on `bitmap` from now on, until Release or the next Target; the
    // bitmap must outlive that.
    void Target(TBitmap& bitmap);
    // Gives the bitmap back (it can be freed or selected elsewhere).
    void Release();

private:
    TMemoryDCHandle memoryDC_;
    // Put back before the context goes (members end in reverse order).
    std::unique_ptr<TSelectObject> selectedBitmap_;
};

} // namespace pp
