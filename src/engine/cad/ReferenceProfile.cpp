#include "engine/cad/ReferenceProfile.h"

#include "engine/Errors.h"
#include "engine/text/NumberText.h"

namespace engine::cad {

namespace {

long double ProfileNumber(const std::string& text, const char* field) {
    try {
        return TextToNumber(text);
    } catch (const ConversionError& e) {
        throw ConversionError(std::string("Perfil de referência, ") + field + ": " + e.what());
    }
}

}  // namespace

long double ReferenceProfile::VE() const { return ProfileNumber(ExaggerationText, "deformação vertical"); }
long double ReferenceProfile::Z0() const { return ProfileNumber(InitialElevationText, "cota inicial"); }
long double ReferenceProfile::P() const { return ProfileNumber(InitialChainageText, "progressiva inicial"); }

MarkPoint ProfilePoint(const ReferenceProfile& profile, long double chainage, long double elevation) {
    return {profile.X0 + (chainage - profile.P()), profile.Y0 + (elevation - profile.Z0()) * profile.VE()};
}

}  // namespace engine::cad
