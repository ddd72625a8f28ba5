#pragma once
// Colours of the AutoCAD colour index (ACI), as CAD programs show them on a dark
// background: index 7 is white.
#include <QRgb>

namespace desktop {

// RGB of a colour index 1-255; a negative index (a layer that is off) gives the
// colour of its absolute value; 0, 256 and anything else out of range give white (7).
QRgb AciToRgb(int index);

// The colour, lightened just enough to stand out from a dark background when it is
// too close to it (the darkest shades of the index would vanish otherwise).
QRgb LegibleOn(QRgb color, QRgb background);

}  // namespace desktop
