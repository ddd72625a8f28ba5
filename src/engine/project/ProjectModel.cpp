#include "engine/project/ProjectModel.h"

#include "engine/project/VolumeGridLayout.h"
#include "engine/text/Encoding.h"

namespace engine {

ProjectModel::ProjectModel() : estgrid("estgrid", 9, 5), volgrid("volgrid", 32, 5) {
    ApplyVolumeGridLayout(volgrid);
}

std::string ProjectModel::SiblingFile(const std::string& suffix) const {
    // Four characters, not bytes: a path with accented letters is UTF-8 here.
    std::size_t chars = CharCount(AlignmentFileName);
    return LeftChars(AlignmentFileName, chars >= 4 ? chars - 4 : 0) + suffix;
}

}  // namespace engine
