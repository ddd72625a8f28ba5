#pragma once
// The alignment file: header check, the header boxes of the budget tab, the stations
// (ESTC) into estgrid, the earthwork volumes (VOLM, VOLD, VOLC) into volgrid and the
// road's extension into edit11.
#include "engine/project/ProjectReader.h"

namespace engine {

// Rejected (after the "Arquivo Inválido" error box) when line 1 is not the header of
// an alignment file of version 2.0 or later. Raises FileError when the file cannot
// be read and ConversionError naming file, line and value for a VOLD count that is
// no integer, a chainage that is no number or a file without stations; what was
// read before stays in the session.
LoadOutcome ReadAlignmentFile(Session& session, Interaction& ui);

// Largest column count a VOLD record may ask of the volume grid.
inline constexpr int kMaxVolumeColumns = 4096;

}  // namespace engine
