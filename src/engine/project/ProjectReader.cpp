#include "engine/project/ProjectReader.h"

#include "engine/Errors.h"

namespace engine {

// Replaced by the real reader.
LoadOutcome LoadProject(Session&, Interaction&) { throw EngineError("Leitura de projeto ainda não disponível."); }

}  // namespace engine
