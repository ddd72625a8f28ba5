#include "engine/project/ProjectReader.h"

#include <filesystem>

#include "engine/project/AlignmentFileReader.h"
#include "engine/project/FixedLines.h"
#include "engine/project/SectionFileReader.h"
#include "engine/reportfile/QuantityReportFile.h"
#include "engine/text/AtomicFile.h"

namespace engine {
namespace {

// The company text is line 2 of the suite's settings file, kept as written.
void ReadSettingsFile(Session& session) {
    const std::string bytes = ReadWholeFile(session.suiteDir + "/dorvan.ini");
    FixedLines lines(bytes);
    std::string_view line;
    if (lines.Next(line) && lines.Next(line)) session.project.companyText = FixedLines::Decode(line);
    else session.project.companyText.clear();
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec) && !std::filesystem::is_directory(path, ec);
}

}  // namespace

LoadOutcome LoadProject(Session& session, Interaction& ui) {
    if (ReadAlignmentFile(session, ui) == LoadOutcome::Rejected) return LoadOutcome::Rejected;

    ProjectModel& p = session.project;
    p.Sections.assign(static_cast<std::size_t>(p.estgrid.RowCount()) + 10, TSecao{});
    // Without a project file there are no sections: the service note will have no rows.
    if (const std::string scc = p.ProjectFileName(); IsFile(scc)) ReadSectionFile(p, scc);

    ReadSettingsFile(session);
    LoadQuantityReport(session, ui);
    return LoadOutcome::Loaded;
}

}  // namespace engine
