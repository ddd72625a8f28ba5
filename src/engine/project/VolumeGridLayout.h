#pragma once
#include "engine/grid/Grid.h"

namespace engine {

// Titles, widths and colours of the 32 fixed columns of the earthwork volume grid;
// the title cells of columns 17 to 24 are silver. Not editable, centred cells.
void ApplyVolumeGridLayout(Grid& volgrid);

}  // namespace engine
