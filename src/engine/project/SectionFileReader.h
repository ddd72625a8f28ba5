#pragma once
// The cross sections of the project file ("-Projeto.scc"): after a five-line
// header, "#*SECAO" lines open a section and "@" lines add its points.
#include <string>

#include "engine/project/ProjectModel.h"

namespace engine {

// Fills project.Sections from entry 1 on and sets SectionCount; the list grows with
// the file (no limit on sections or points). Raises FileError when the file cannot
// be read and ConversionError naming file, line and value for a numeric field that
// is no number; the sections read before stay.
void ReadSectionFile(ProjectModel& project, const std::string& path);

}  // namespace engine
