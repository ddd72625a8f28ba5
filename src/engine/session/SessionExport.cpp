#include "engine/session/SessionExport.h"

#include <filesystem>

#include "engine/Errors.h"
#include "engine/text/AtomicFile.h"

namespace engine {

std::string GridToTsv(const Grid& grid) {
    std::string out;
    const int cols = grid.StoredColCount();
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c = 0; c < cols; ++c) {
            if (c) out += '\t';
            out += grid.Cell(c, r);
        }
        out += '\n';
    }
    return out;
}

void WriteSessionTsv(Session& session, const std::string& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) throw FileError("Não foi possível criar a pasta " + dir + ": " + ec.message());
    for (Grid* g : session.Grids()) WriteFileAtomically(dir + "/" + g->Name() + ".tsv", GridToTsv(*g));
    std::string fields;
    for (const FieldRef& f : session.Fields()) {
        fields += f.name;
        fields += '\t';
        fields += f.kind == FieldRef::Check ? (*f.check ? "TRUE" : "FALSE") : *f.text;
        fields += '\n';
    }
    WriteFileAtomically(dir + "/campos.tsv", fields);
}

}  // namespace engine
