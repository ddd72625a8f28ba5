#pragma once
// The CAD bridge's window steps done with Qt: the CAD application's "main window" is
// one of our own top-level windows (the drawing window), found by its title.
#include "engine/cad/WindowSystem.h"

class QWidget;

namespace desktop {

class QtWindowSystem : public engine::cad::WindowSystem {
public:
    engine::cad::WindowHandle FindTopLevelWindow(const std::string& title) override;
    bool IsMinimised(engine::cad::WindowHandle window) override;
    void Restore(engine::cad::WindowHandle window) override;
    bool IsForeground(engine::cad::WindowHandle window) override;
    void BringToFront(engine::cad::WindowHandle window) override;

    static engine::cad::WindowHandle HandleOf(QWidget* w);

private:
    // The live top-level widget behind a handle; nullptr once it is gone, so a handle
    // kept from an earlier connection never reaches a deleted widget.
    static QWidget* Widget(engine::cad::WindowHandle window);
};

}  // namespace desktop
