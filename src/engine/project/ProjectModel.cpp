#include "engine/project/ProjectModel.h"

#include "engine/project/VolumeGridLayout.h"

namespace engine {

ProjectModel::ProjectModel() : estgrid("estgrid", 9, 5), volgrid("volgrid", 32, 5) {
    ApplyVolumeGridLayout(volgrid);
}

std::string ProjectModel::SiblingFile(const std::string& suffix) const {
    std::string base = AlignmentFileName;
    base.resize(base.size() >= 4 ? base.size() - 4 : 0);
    return base + suffix;
}

}  // namespace engine
