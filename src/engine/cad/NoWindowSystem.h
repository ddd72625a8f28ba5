#pragma once
// A WindowSystem without windows, for running without a screen (the batch runner):
// no window is ever found, nothing is ever brought to the front.
#include "engine/cad/WindowSystem.h"

namespace engine::cad {

class NoWindowSystem : public WindowSystem {
public:
    WindowHandle FindTopLevelWindow(const std::string&) override { return 0; }
    bool IsMinimised(WindowHandle) override { return false; }
    void Restore(WindowHandle) override {}
    bool IsForeground(WindowHandle) override { return false; }
    void BringToFront(WindowHandle) override {}
};

}  // namespace engine::cad
