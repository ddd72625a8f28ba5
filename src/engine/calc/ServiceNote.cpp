#include "engine/calc/ServiceNote.h"

#include <algorithm>

#include "engine/Errors.h"
#include "engine/text/NumberText.h"

namespace engine {
namespace {

constexpr const char* kStructure = "Obra de Arte";

std::string Number(long double v) { return FormatNumberText(NumberToText(v), 15, kNoFill, 3); }

// Elevation, offset, north and east of one point into four columns.
void PutPoint(Grid& g, int row, const TSecao& s, int point, int colElevation, int colOffset, int colNorth,
              int colEast) {
    g.SetCell(colElevation, row, Number(s.ElevationAt(point)));
    g.SetCell(colOffset, row, Number(s.OffsetAt(point)));
    g.SetCell(colNorth, row, Number(s.NorthAt(point)));
    g.SetCell(colEast, row, Number(s.EastAt(point)));
}

// Index of the first point from `from` towards `to` (both included) with the code,
// or -1. Points past the stored ones have code 0 and cannot match, so the walk
// stays within them whatever the declared count says.
int Find(const TSecao& s, int code, int from, int to) {
    const int last = s.Slots() - 1;
    if (from <= to) {
        for (int i = std::max(from, 0); i <= std::min(to, last); ++i)
            if (s.CodeAt(i) == code) return i;
    } else {
        for (int i = std::min(from, last); i >= std::max(to, 0); --i)
            if (s.CodeAt(i) == code) return i;
    }
    return -1;
}

long double ShownNumber(const std::string& text, const TSecao& s, const char* what) {
    if (auto v = ParseNumber(text)) return *v;
    throw ConversionError("Nota de serviço, estaca " + s.Name + ": a " + what + " \"" + text +
                          "\" não é um número válido.");
}

}  // namespace

void ComputeServiceNote(Session& session) {
    Grid& g = session.nota.sgnt;
    const ProjectModel& p = session.project;
    const Grid& est = p.estgrid;
    static const TSecao kNoSection;

    g.SetRowCount(p.SectionCount + 1);
    std::string description;  // of the nearest row at or above with one (row 0 never counts)
    for (int r = 1; r <= p.SectionCount; ++r) {
        const TSecao& s = r < static_cast<int>(p.Sections.size()) ? p.Sections[r] : kNoSection;
        const int n = s.PointCount;
        if (std::string own = Trim(est.Cell(8, r)); !own.empty()) description = std::move(own);

        g.SetCell(0, r, s.Name);
        if (description == kStructure) {
            g.SetCell(1, r, kStructure);
            continue;
        }

        g.SetCell(5, r, FormatNumberText(est.Cell(6, r), 15, kNoFill, 3));
        g.SetCell(6, r, FormatNumberText(est.Cell(7, r), 15, kNoFill, 3));
        g.SetCell(16, r, Number(s.AxisNorth));
        g.SetCell(17, r, Number(s.AxisEast));
        // CV from the elevations as shown: an empty one shows asterisks and stops the run here.
        long double ground = ShownNumber(g.Cell(5, r), s, "cota do terreno no eixo");
        long double grade = ShownNumber(g.Cell(6, r), s, "cota do greide no eixo");
        g.SetCell(7, r, Number(ground - grade));

        PutPoint(g, r, s, 1, 1, 2, 12, 13);

        // Left edge: the rightmost -8 mark, else the leftmost -5 platform edge.
        int left = Find(s, -8, n, 0);
        if (left < 0) left = Find(s, -5, 0, n);
        if (left >= 0) PutPoint(g, r, s, left, 3, 4, 14, 15);

        // Right edge: the leftmost 8 mark, else the rightmost 5 platform edge.
        int right = Find(s, 8, 0, n);
        if (right < 0) right = Find(s, 5, n, 0);
        if (right >= 0) PutPoint(g, r, s, right, 8, 9, 18, 19);

        // Platform edges: the last -5 and the last 5 from the left.
        if (int i = Find(s, -5, n, 0); i >= 0) g.SetCell(22, r, Number(s.OffsetAt(i)));
        if (int i = Find(s, 5, n, 0); i >= 0) g.SetCell(23, r, Number(s.OffsetAt(i)));

        PutPoint(g, r, s, n, 10, 11, 20, 21);
    }
}

}  // namespace engine
