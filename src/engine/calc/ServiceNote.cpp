#include "engine/calc/ServiceNote.h"

#include "engine/Errors.h"

namespace engine {

// Replaced by the real calculation.
void ComputeServiceNote(Session&) { throw EngineError("Nota de serviço ainda não disponível."); }

}  // namespace engine
