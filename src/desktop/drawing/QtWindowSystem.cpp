#include "desktop/drawing/QtWindowSystem.h"

#include <QApplication>
#include <QWidget>

namespace desktop {

using engine::cad::WindowHandle;

WindowHandle QtWindowSystem::HandleOf(QWidget* w) { return reinterpret_cast<WindowHandle>(w); }

QWidget* QtWindowSystem::Widget(WindowHandle window) {
    if (window == 0) return nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (HandleOf(w) == window) return w;
    return nullptr;
}

WindowHandle QtWindowSystem::FindTopLevelWindow(const std::string& title) {
    const QString wanted = QString::fromStdString(title);
    // A hidden window with the title would be of no use to bring forward; prefer a
    // visible one, take a hidden one only when there is nothing else.
    QWidget* hidden = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() != wanted) continue;
        if (w->isVisible()) return HandleOf(w);
        if (!hidden) hidden = w;
    }
    return HandleOf(hidden);
}

bool QtWindowSystem::IsMinimised(WindowHandle window) {
    QWidget* w = Widget(window);
    return w && w->isMinimized();
}

void QtWindowSystem::Restore(WindowHandle window) {
    if (QWidget* w = Widget(window)) {
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        w->show();
    }
}

bool QtWindowSystem::IsForeground(WindowHandle window) {
    QWidget* w = Widget(window);
    return w && w->isVisible() && w->isActiveWindow();
}

void QtWindowSystem::BringToFront(WindowHandle window) {
    if (QWidget* w = Widget(window)) {
        if (!w->isVisible()) w->show();
        w->raise();
        w->activateWindow();
    }
}

}  // namespace desktop
