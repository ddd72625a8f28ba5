#pragma once
// Start-up of the desktop program: the command line, the application's look, and
// loading the project named on the command line into the session.
#include <functional>
#include <string>

#include <QStringList>

#include "engine/project/ProjectReader.h"
#include "engine/session/Interaction.h"
#include "engine/session/Session.h"

class QApplication;

namespace desktop {

// quantitativos [--suite DIR] [--desenho FILE] [ALIGNMENT_FILE]
struct CommandLine {
    std::string suiteDir;       // --suite DIR; empty: $TELMIRA_HOME, else ~/telmira
    std::string drawingFile;    // --desenho FILE: the DXF drawing to open at start-up
    std::string alignmentFile;  // the first argument that is not an option
    std::string error;          // a malformed command line, in Portuguese
};

// args as QCoreApplication::arguments() gives them (program name first).
CommandLine ParseCommandLine(const QStringList& args);

enum class StartupResult {
    Empty,       // no project named: nothing loaded
    Loaded,      // the project is in the session
    LoadFailed,  // the reader stopped with an error (shown); what it read stays
    Rejected,    // the reader refused the alignment file (error box shown): end the program
};

using ProjectLoader = std::function<engine::LoadOutcome(engine::Session&, engine::Interaction&)>;

// Sets the suite folder and, with a project named, its alignment file, then runs the
// project reader. A reader error is shown in a message box captioned "Erro".
StartupResult LoadAtStartup(engine::Session& session, engine::Interaction& ui, const CommandLine& cmd,
                            const ProjectLoader& load = engine::LoadProject);

// The font and style of every window of the program.
void ApplyApplicationLook(QApplication& app);

}  // namespace desktop
