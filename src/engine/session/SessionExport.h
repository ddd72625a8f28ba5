#pragma once
#include <string>

#include "engine/session/Session.h"

namespace engine {

// Writes every grid of the session as DIR/<grid name>.tsv (UTF-8; row 0 = titles;
// every stored column, hidden ones included; TAB between cells, LF after each row)
// and DIR/campos.tsv (one line per edit box, check box and label: name TAB text,
// check boxes as TRUE/FALSE). Creates DIR. Raises FileError naming the file.
void WriteSessionTsv(Session& session, const std::string& dir);

// One grid in that form.
std::string GridToTsv(const Grid& grid);

}  // namespace engine
