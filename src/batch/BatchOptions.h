#pragma once
// Options of quantitativos-lote.
#include <optional>
#include <string>
#include <vector>

namespace batch {

struct BatchOptions {
    std::string alignmentFile;           // ALIGNMENT_FILE
    std::string suiteDir;                // --suite DIR
    std::vector<std::string> steps;      // --run STEPS (comma list)
    std::string gridsDir;                // --grids DIR
    std::string drawingFile;             // --desenho FILE
    std::string saveDrawingFile;         // --salvar-desenho FILE
    std::optional<std::string> profile;  // --perfil VE,COTA,PROGRESSIVA
    bool help = false;
};

// Parses argv; on a bad command line returns the Portuguese message in error.
BatchOptions ParseBatchOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kBatchUsage;

}  // namespace batch
