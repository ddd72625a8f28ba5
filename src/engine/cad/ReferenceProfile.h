#pragma once
// The longitudinal profile bound in the drawing: the drawing position of its first
// vertex and the three parameters that say what that position stands for.
#include <string>

#include "engine/cad/CadRecords.h"

namespace engine::cad {

// Registered application of the extended data that tags a profile polyline.
inline constexpr const char* kProfileApplication = "PERFILALINTELMIRA";

struct ReferenceProfile {
    long double X0 = 0;                 // drawing x of the first vertex of the profile polyline
    long double Y0 = 0;                 // drawing y of the first vertex
    std::string ExaggerationText;       // vertical exaggeration VE ("Deformação Vertical")
    std::string InitialElevationText;   // elevation Z0 that Y0 stands for ("Cota Inicial")
    std::string InitialChainageText;    // chainage P that X0 stands for ("Progressiva Inicial")

    // The three texts as numbers (point as decimal separator). A text that is no
    // number raises ConversionError naming the field and the text.
    long double VE() const;
    long double Z0() const;
    long double P() const;
};

// Drawing position of chainage s and elevation z on the profile:
// (X0 + (s - P), Y0 + (z - Z0) * VE).
MarkPoint ProfilePoint(const ReferenceProfile& profile, long double chainage, long double elevation);

}  // namespace engine::cad
