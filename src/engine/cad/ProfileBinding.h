#pragma once
// Binding of the reference profile: finds the profile polyline of the drawing (the one
// tagged with the extended data of PERFILALINTELMIRA, else one the user picks), takes
// its first vertex as the profile's origin and the three profile parameters from the
// tag or, for an untagged polyline, from the profile data dialog, and tags it.
#include "engine/cad/CadBridge.h"
#include "engine/project/ProjectModel.h"

namespace engine::cad {

// Fills bridge.Profile and returns true, or leaves it as it was and returns false when
// the CAD application cannot be reached or the user picks nothing. The project gives
// the identity written into the tag (AlignmentFileName) and the dialog's proposals
// (chainage and ground elevation of the first station).
bool BindReferenceProfile(CadBridge& bridge, const ProjectModel& project);

}  // namespace engine::cad
