// GDI+ for the whole process: the first session starts it, the last one shuts
// it down. Windows and the images they drew each hold a session, so GDI+
// lives exactly as long as something may use it; it is never started or shut
// down from DllMain (no session is made or ended during library loading).
// User-interface thread (a lock keeps the count right should hosts open
// editors on several threads).
#pragma once

namespace kandrel::ui::win32 {

class TGdiplusSession {
public:
    // Throws std::runtime_error when GDI+ cannot be started.
    TGdiplusSession();
    ~TGdiplusSession();
    TGdiplusSession(const TGdiplusSession&);
    TGdiplusSession& operator=(const TGdiplusSession&) = default;
};

}  // namespace kandrel::ui::win32
