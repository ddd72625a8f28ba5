#pragma once
// The program's own file of results (".rpr" beside the alignment file): every grid
// and setting of a project, saved by "Salvar" and reloaded at the next start.
#include "engine/session/Interaction.h"
#include "engine/session/Session.h"

namespace engine {

// Reloads the quantity report file of the project, when one exists; the last step
// of loading a project.
void LoadQuantityReport(Session& session, Interaction& ui);

}  // namespace engine
