#pragma once
// --perfil VE,COTA,PROGRESSIVA: the answers the batch runner gives the profile data
// dialog ("Dados do Perfil") when a calculation binds an untagged profile polyline.
#include <optional>
#include <string>

#include "engine/session/Interaction.h"

namespace batch {

// Three numbers separated by commas (the point is the decimal separator): vertical
// exaggeration, initial elevation, initial chainage, kept as typed (blanks around
// them trimmed). nullopt with a Portuguese message in `error` for anything else.
std::optional<engine::ProfileDialogTexts> ParseProfileOption(const std::string& value, std::string& error);

}  // namespace batch
