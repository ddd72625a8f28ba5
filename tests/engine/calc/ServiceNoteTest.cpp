#include <gtest/gtest.h>

#include "engine/Errors.h"
#include "engine/calc/ServiceNote.h"
#include "engine/project/ProjectReader.h"
#include "engine/session/RecordingInteraction.h"

using namespace engine;

namespace {

struct Pt {
    long double offset, elevation;
    int code = 0;
};

// Stations and sections built directly in the session: point i has north 1000 + i
// and east 2000 + i, so a cell tells which point it came from.
class Project {
public:
    Session s;

    Project() { s.project.Sections.resize(1); }

    // Adds station r (the next one) with its section.
    void Add(const std::string& name, const std::string& ground, const std::string& grade, const std::string& typical,
             const std::vector<Pt>& pts) {
        ProjectModel& p = s.project;
        const int r = ++p.SectionCount;
        p.estgrid.SetCell(6, r, ground);
        p.estgrid.SetCell(7, r, grade);
        p.estgrid.SetCell(8, r, typical);
        p.estgrid.SetRowCount(r + 1);
        TSecao sec;
        sec.Name = name;
        sec.PointCount = static_cast<int>(pts.size());
        sec.AxisNorth = 7000000.125L;
        sec.AxisEast = 500000.5L;
        for (int i = 1; i <= sec.PointCount; ++i) {
            sec.EnsurePoint(i);
            sec.Offset[i] = pts[i - 1].offset;
            sec.Elevation[i] = pts[i - 1].elevation;
            sec.PointCode[i] = pts[i - 1].code;
            sec.North[i] = 1000 + i;
            sec.East[i] = 2000 + i;
        }
        p.Sections.push_back(sec);
    }
    void AddRoad(const std::string& name, const std::string& typical = {}) {
        Add(name, "101.25", "100", typical, {{-6, 102}, {-4, 100.5, -5}, {-3, 100.4, -8}, {3, 100.3, 8}, {4, 100.2, 5}, {7, 101}});
    }
    // Writes "old" into every cell of the rows given, so a run shows what it leaves.
    void Prefill(int rows) {
        Grid& g = s.nota.sgnt;
        g.SetRowCount(rows + 1);
        for (int r = 1; r <= rows; ++r)
            for (int c = 0; c < 24; ++c) g.SetCell(c, r, "old");
    }
    const std::string& Cell(int col, int row) const { return s.nota.sgnt.Cell(col, row); }
};

}  // namespace

TEST(ServiceNote, RoadSectionFillsAllTwentyFourColumns) {
    Project p;
    p.AddRoad("E0");
    p.Add("E1", "99", "100.5", "", {{-5, 99}, {5, 99.5}});
    ComputeServiceNote(p.s);
    const Grid& g = p.s.nota.sgnt;
    ASSERT_EQ(g.RowCount(), 3);
    const char* row1[24] = {"E0",     "102.000",  "-6.000",  "100.400",  "-3.000",      "101.250",
                            "100.000", "1.250",   "100.300", "3.000",    "101.000",     "7.000",
                            "1001.000", "2001.000", "1003.000", "2003.000", "7000000.125", "500000.500",
                            "1004.000", "2004.000", "1006.000", "2006.000", "-4.000",     "4.000"};
    for (int c = 0; c < 24; ++c) EXPECT_EQ(g.Cell(c, 1), row1[c]) << "column " << c;
    EXPECT_EQ(g.Cell(7, 2), "-1.500") << "fill gives a negative CV";
    EXPECT_EQ(g.Title(0), "Estaca");
}

TEST(ServiceNote, EdgeSearchesRunInTheirOwnDirections) {
    struct Case {
        const char* what;
        std::vector<int> codes;    // point 1, 2, ... (offset = point number)
        const char* left;          // Dist. Bordo E, or "old" when not written
        const char* right;         // Dist. Bordo D
        const char* leftPlatform;  // column 22
        const char* rightPlatform; // column 23
    };
    const Case cases[] = {
        {"-5 -8 8 5", {0, -5, -8, 8, 5, 0}, "3.000", "4.000", "2.000", "5.000"},
        {"two -8: the right-hand one", {-8, 0, -8, 0, 8}, "3.000", "5.000", "old", "old"},
        {"two 5 without 8: the right-hand one", {-8, 5, 0, 5, 0}, "1.000", "4.000", "old", "4.000"},
        {"two -5 without -8: the left-hand one", {-5, 0, -5, 0}, "1.000", "old", "3.000", "old"},
        {"two 8: the left-hand one", {8, 8, 5}, "old", "1.000", "old", "3.000"},
        {"no edge codes", {1, -1, 2, -2}, "old", "old", "old", "old"},
    };
    for (const Case& c : cases) {
        Project p;
        std::vector<Pt> pts;
        for (std::size_t i = 0; i < c.codes.size(); ++i) pts.push_back({static_cast<long double>(i + 1), 50, c.codes[i]});
        p.Add("E", "10", "10", "", pts);
        p.Prefill(1);
        ComputeServiceNote(p.s);
        EXPECT_EQ(p.Cell(4, 1), c.left) << c.what;
        EXPECT_EQ(p.Cell(9, 1), c.right) << c.what;
        EXPECT_EQ(p.Cell(22, 1), c.leftPlatform) << c.what;
        EXPECT_EQ(p.Cell(23, 1), c.rightPlatform) << c.what;
        // The other cells of an edge move with it.
        for (int col : {3, 14, 15}) EXPECT_EQ(p.Cell(col, 1) == "old", std::string(c.left) == "old") << c.what;
        for (int col : {8, 18, 19}) EXPECT_EQ(p.Cell(col, 1) == "old", std::string(c.right) == "old") << c.what;
    }
}

TEST(ServiceNote, StructureStretchShowsOnlyNameAndMarker) {
    Project p;
    const char* typical[9] = {"", "", "T1", "", "Obra de Arte", "", "", "T2", ""};
    for (int r = 1; r <= 9; ++r) p.AddRoad("E" + std::to_string(r), typical[r - 1]);
    p.s.project.estgrid.SetCell(8, 0, "Obra de Arte");  // row 0 is never looked at
    p.Prefill(9);
    ComputeServiceNote(p.s);
    for (int r = 1; r <= 9; ++r) {
        const bool structure = r >= 5 && r <= 7;
        EXPECT_EQ(p.Cell(0, r), std::string("E") + std::to_string(r));
        EXPECT_EQ(p.Cell(1, r), structure ? "Obra de Arte" : "102.000") << r;
        for (int c = 2; c < 24; ++c) EXPECT_EQ(p.Cell(c, r) == "old", structure) << "row " << r << " column " << c;
    }
}

TEST(ServiceNote, SectionWithoutPointsReportsZeros) {
    Project p;
    p.Add("E0", "5", "4", "", {});
    p.Prefill(1);
    ComputeServiceNote(p.s);
    for (int c : {1, 2, 10, 11, 12, 13, 20, 21}) EXPECT_EQ(p.Cell(c, 1), "0.000") << c;
    for (int c : {3, 4, 8, 9, 22, 23}) EXPECT_EQ(p.Cell(c, 1), "old") << c;
    EXPECT_EQ(p.Cell(7, 1), "1.000");
}

TEST(ServiceNote, EmptyElevationStopsTheRunOnItsRow) {
    Project p;
    p.AddRoad("E0");
    p.Add("E1", "", "100", "", {{-2, 100}, {2, 100}});
    p.AddRoad("E2");
    p.Prefill(3);
    try {
        ComputeServiceNote(p.s);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        std::string msg = e.what();
        EXPECT_NE(msg.find("E1"), std::string::npos) << msg;
        EXPECT_NE(msg.find("***************"), std::string::npos) << msg;
    }
    EXPECT_EQ(p.s.nota.sgnt.RowCount(), 4);
    EXPECT_EQ(p.Cell(23, 1), "4.000") << "rows above keep their new values";
    EXPECT_EQ(p.Cell(5, 2), "***************");
    EXPECT_EQ(p.Cell(6, 2), "100.000");
    EXPECT_EQ(p.Cell(16, 2), "7000000.125");
    EXPECT_EQ(p.Cell(17, 2), "500000.500");
    for (int c : {1, 2, 7, 11, 23}) EXPECT_EQ(p.Cell(c, 2), "old") << c;
    EXPECT_EQ(p.Cell(0, 3), "old") << "rows below are not reached";

    // A ground elevation that is no number shows 0.000 and the run goes on.
    p.s.project.estgrid.SetCell(6, 2, "n/d");
    ComputeServiceNote(p.s);
    EXPECT_EQ(p.Cell(5, 2), "0.000");
    EXPECT_EQ(p.Cell(7, 2), "-100.000");
    EXPECT_EQ(p.Cell(0, 3), "E2");
}

TEST(ServiceNote, WithoutSectionsOnlyTheTitleRowRemains) {
    Project p;
    p.Prefill(4);
    ComputeServiceNote(p.s);
    EXPECT_EQ(p.s.nota.sgnt.RowCount(), 1);
    EXPECT_EQ(p.s.nota.sgnt.Title(21), "Offset D (CE)");
}

// The hand-made project of the fixtures, read from its files and computed.
TEST(ServiceNote, FixtureProjectFromItsFiles) {
    Session s;
    s.project.AlignmentFileName = QUANT_FIXTURES_DIR "/projeto/Estrada-Teste.alg";
    s.suiteDir = QUANT_FIXTURES_DIR "/projeto/telmira";
    RecordingInteraction ui;
    ASSERT_EQ(LoadProject(s, ui), LoadOutcome::Loaded);
    EXPECT_EQ(s.budget.Edit8, "Município de São João");
    ComputeServiceNote(s);
    EXPECT_EQ(s.nota.sgnt.RowCount(), s.project.volgrid.RowCount()) << "the service note counts as computed";
    EXPECT_EQ(s.nota.sgnt.Cell(0, 1), "0");
    EXPECT_EQ(s.nota.sgnt.Cell(7, 1), "1.250");
    EXPECT_EQ(s.nota.sgnt.Cell(1, 4), "Obra de Arte");
    EXPECT_EQ(s.nota.sgnt.Cell(1, 5), "Obra de Arte");
    EXPECT_EQ(s.nota.sgnt.Cell(22, 6), "-3.500");
}
