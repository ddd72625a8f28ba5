#pragma once
// The few window-manager steps the CAD bridge needs: find the CAD application's main
// window by its title and bring a window to the front before the user must look at it.
// The desktop implements this with Qt (raise and activate), the batch runner with
// NoWindowSystem, tests with a fake.
#include <cstdint>
#include <string>

namespace engine::cad {

// Opaque handle of a top-level window; 0 is no window.
using WindowHandle = std::intptr_t;

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // The top-level window whose title equals `title`; 0 when there is none.
    virtual WindowHandle FindTopLevelWindow(const std::string& title) = 0;
    virtual bool IsMinimised(WindowHandle window) = 0;
    virtual void Restore(WindowHandle window) = 0;
    virtual bool IsForeground(WindowHandle window) = 0;
    // Raises the window above the others and gives it the keyboard focus.
    virtual void BringToFront(WindowHandle window) = 0;
};

// Restores the window if it is minimised and brings it to the front. Returns whether
// it is the foreground window afterwards (callers may ignore it); false for window 0.
//
// A Windows back end needs more here: attaching the thread input of the window to
// that of the current foreground window, and failing that, zeroing the foreground
// lock time-out around the call. On Linux the window manager decides, and asking it to
// raise and activate is all there is.
bool ForceForegroundWindow(WindowSystem& windows, WindowHandle window);

}  // namespace engine::cad
