// A GDI+ object made by the backend, counted for the leak tests while it lives
// (see BackendCounters.h). T is any GDI+ class: TGdiplusObject<Gdiplus::SolidBrush>
// brush(colour); brush->... or *brush. User-interface thread.
#pragma once

#include <utility>

#include "ui/win32/BackendCounters.h"

namespace kandrel::ui::win32 {

template <class T>
class TGdiplusObject {
public:
    template <class... A>
    explicit TGdiplusObject(A&&... Args) : FObject(std::forward<A>(Args)...) {
        CountGdiplusObjects(1);
    }
    ~TGdiplusObject() { CountGdiplusObjects(-1); }
    TGdiplusObject(const TGdiplusObject&) = delete;
    TGdiplusObject& operator=(const TGdiplusObject&) = delete;

    T& operator*() { return FObject; }
    T* operator->() { return &FObject; }
    T* get() { return &FObject; }

private:
    T FObject;
};

}  // namespace kandrel::ui::win32
