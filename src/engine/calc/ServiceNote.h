#pragma once
// "Calcular Nota de Serviço": the staking table of every station, from the cross
// sections and the station grid, into sgnt.
#include "engine/session/Session.h"

namespace engine {

// No sequence check. A cell that cannot be computed raises ConversionError; rows
// written before stay.
void ComputeServiceNote(Session& session);

}  // namespace engine
