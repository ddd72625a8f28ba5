#include "engine/cad/WindowSystem.h"

namespace engine::cad {

bool ForceForegroundWindow(WindowSystem& windows, WindowHandle window) {
    if (window == 0) return false;
    if (windows.IsMinimised(window)) windows.Restore(window);
    if (windows.IsForeground(window)) return true;
    windows.BringToFront(window);
    return windows.IsForeground(window);
}

}  // namespace engine::cad
