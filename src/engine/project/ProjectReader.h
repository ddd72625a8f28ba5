#pragma once
// Reads the project named by session.project.AlignmentFileName: the alignment file,
// the cross sections of "-Projeto.scc" beside it, the company text of dorvan.ini in
// the suite folder, then hands over to the reload of the quantity report file.
#include "engine/session/Interaction.h"
#include "engine/session/Session.h"

namespace engine {

enum class LoadOutcome {
    Loaded,    // the project is in the session
    Rejected,  // the alignment file was refused (error box shown): the application must end
};

// Failures after the header (a missing file, a number that is no number ...) raise
// FileError or ConversionError naming the file and line; what was read stays in the
// session and the later steps do not run.
LoadOutcome LoadProject(Session& session, Interaction& ui);

}  // namespace engine
