#include "desktop/Startup.h"

#include <exception>

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include "engine/session/SuiteFolder.h"

namespace desktop {

CommandLine ParseCommandLine(const QStringList& args) {
    CommandLine cmd;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--suite") {
            if (i + 1 >= args.size()) {
                cmd.error = "A opção --suite precisa do nome de uma pasta.";
                break;
            }
            cmd.suiteDir = args[++i].toStdString();
        } else if (a == "--desenho") {
            if (i + 1 >= args.size()) {
                cmd.error = "A opção --desenho precisa do nome de um desenho DXF.";
                break;
            }
            cmd.drawingFile = args[++i].toStdString();
        } else if (cmd.alignmentFile.empty()) {
            cmd.alignmentFile = a.toStdString();
        }
        // Further arguments are not ours: the suite passes only the alignment file.
    }
    return cmd;
}

StartupResult LoadAtStartup(engine::Session& session, engine::Interaction& ui, const CommandLine& cmd,
                            const ProjectLoader& load) {
    session.suiteDir = engine::ResolveSuiteDir(cmd.suiteDir);
    if (cmd.alignmentFile.empty()) return StartupResult::Empty;
    session.project.AlignmentFileName = cmd.alignmentFile;
    try {
        if (load(session, ui) == engine::LoadOutcome::Rejected) return StartupResult::Rejected;
    } catch (const std::exception& e) {
        ui.ShowMessage("Erro", e.what(), engine::MessageIcon::Error, false);
        return StartupResult::LoadFailed;
    }
    return StartupResult::Loaded;
}

void ApplyApplicationLook(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create("Fusion")) app.setStyle(fusion);
    // Liberation Sans has the metrics of Arial; 9 points reads well on 1366x768 and
    // keeps the 20-pixel grid rows of the original layout.
    QFont font("Liberation Sans", 9);
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);
}

}  // namespace desktop
