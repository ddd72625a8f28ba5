#pragma once
#include "engine/grid/Grid.h"

namespace engine {

// Titles, widths and colours of the 32 fixed columns of the earthwork volume grid;
// the title cells of columns 17 to 24 are silver. Not editable, centred cells.
// Version 2 files show the same titles over the columns they fill.
void ApplyVolumeGridLayout(Grid& volgrid);

// Columns firstCol to the last one, defined by the file itself: centred, aqua,
// widths alternating 100 and 150 pixels starting with 100.
void ApplyAdditionalVolumeColumns(Grid& volgrid, int firstCol);

// Red text when the cell's text begins with "-", black otherwise (empty included).
void ApplySignColour(Grid& volgrid, int col, int row);

}  // namespace engine
