#pragma once
// The road project in memory: identity, station grid, earthwork volume grid and
// cross sections. Filled once by the project reader, read by everything else.
#include <string>
#include <vector>

#include "engine/grid/Grid.h"
#include "engine/project/Section.h"

namespace engine {

struct ProjectModel {
    ProjectModel();

    std::string AlignmentFileName;  // full path given on the command line; empty without one
    long double AlignmentVersion = 0;
    std::string companyText;         // second line of the suite's settings file

    int StationCount = 0;      // ESTC records read into estgrid
    int VolumeRowCount = 0;    // VOLM records read into volgrid
    int SectionCount = 0;      // sections read into Sections
    int FixedVolumeColumns = 32;  // 32 for version 3 files and later, 18 before

    Grid estgrid;               // hidden station grid, 21 stored columns, row 0 empty
    Grid volgrid;               // earthwork volumes, shown on the volume tab
    std::vector<TSecao> Sections;  // 1..SectionCount; entry 0 never used

    // AlignmentFileName without its last four characters, plus the suffix.
    std::string SiblingFile(const std::string& suffix) const;
    std::string ProjectFileName() const { return SiblingFile("-Projeto.scc"); }
    std::string QuantityReportFileName() const { return SiblingFile(".rpr"); }
};

}  // namespace engine
