// quantitativos: the desktop program the suite starts with a project's alignment file.
#include <QApplication>
#include <QScreen>

#include "desktop/QtInteraction.h"
#include "desktop/Startup.h"
#include "desktop/TForm1.h"
#include "desktop/drawing/DrawingController.h"
#include "engine/session/Session.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("quantitativos");
    desktop::ApplyApplicationLook(app);

    const desktop::CommandLine cmd = desktop::ParseCommandLine(QApplication::arguments());
    engine::Session session;
    desktop::QtInteraction ui;
    desktop::TForm1 window(session, ui);
    ui.SetMainWindow(&window);
    if (!cmd.error.empty()) {
        ui.ShowMessage(desktop::kErrorCaption, cmd.error, engine::MessageIcon::Error, false);
        return 2;
    }

    if (desktop::LoadAtStartup(session, ui, cmd) == desktop::StartupResult::Rejected) return 1;
    window.ReadSession();

    // Without a window manager a maximised window keeps its own size; filling the
    // screen first gives the same result either way.
    if (QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    // The drawing named on the command line, or the project's own beside it, opens in
    // its window over the main one.
    window.Drawing()->OpenAtStartup(cmd.drawingFile, session.project);
    return app.exec();
}
