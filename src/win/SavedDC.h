#pragma once
// Saves a device context's state (objects, origin, clipping, colours) for
// one scope and restores it when the scope ends, also when drawing throws,
// so that whoever drew into the context leaves no state behind.
#include <windows.h>

namespace pp {

class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : dc_(dc), id_(dc ? SaveDC(dc) : 0) { }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;
    ~TSavedDC()
    {
        if (id_ != 0)
            RestoreDC(dc_, id_);
    }

private:
    HDC dc_;
    int id_;
};

} // namespace pp
