#include <gtest/gtest.h>

#include "ProjectFiles.h"
#include "engine/Errors.h"
#include "engine/project/ProjectReader.h"
#include "engine/session/RecordingInteraction.h"

using namespace engine;
using namespace testproject;

namespace {

// A session pointed at the temporary project.
struct Loaded {
    explicit Loaded(const TempProject& t) {
        s.project.AlignmentFileName = t.Alignment();
        s.suiteDir = t.Suite();
    }
    LoadOutcome Run() { return LoadProject(s, ui); }
    Session s;
    RecordingInteraction ui;
};

std::vector<std::string> ThirtyTwo(const std::string& name) {
    std::vector<std::string> v(32);
    v[0] = name;
    for (int k = 1; k < 32; ++k) v[k] = std::to_string(k) + ".5";
    return v;
}

// The message of the error the load raises, or "" when it raises none of that type.
template <class E>
std::string ErrorOf(Loaded& l) {
    try {
        l.Run();
    } catch (const E& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(ProjectReader, RefusesAnythingButAnAlignmentFileOfVersionTwoOrLater) {
    struct Case {
        const char* what;
        std::string firstLine;  // Windows-1252 bytes
    };
    const Case cases[] = {
        {"older version", "Alinhamento Vers\xE3o 1.5"},
        {"no number", "Alinhamento Vers\xE3o abc"},
        {"no version", "Alinhamento Vers\xE3o"},
        {"other text", "Alinhamento Versao 3.0"},
        {"UTF-8 file", "Alinhamento Versão 3.0"},
        {"empty file", ""},
    };
    for (const Case& c : cases) {
        TempProject t;
        t.Write("Estrada.alg",
                c.firstLine.empty() ? "" : c.firstLine + "\r\n\r\n\r\nMunicípio\r\n" + Station("0", "1", "1") + "\r\n");
        Loaded l(t);
        EXPECT_EQ(l.Run(), LoadOutcome::Rejected) << c.what;
        ASSERT_EQ(l.ui.calls.size(), 1u) << c.what;
        EXPECT_EQ(l.ui.calls[0].kind, "error");
        EXPECT_EQ(l.ui.calls[0].caption, "Arquivo Inválido");
        EXPECT_EQ(l.ui.calls[0].text, "O Arquivo " + t.Alignment() + " é inválido ou de versão anterior.");
        EXPECT_EQ(l.s.budget.Edit8, "") << c.what;
        EXPECT_EQ(l.s.project.estgrid.RowCount(), 5) << c.what;
    }
    TempProject t;  // 2.0 is the oldest version accepted
    t.WriteAlignment({Station("0", "1", "1")}, Header("2.0"));
    Loaded l(t);
    EXPECT_EQ(l.Run(), LoadOutcome::Loaded);
    EXPECT_TRUE(l.ui.calls.empty());
}

TEST(ProjectReader, HeaderBoxesAreWholeLinesDecodedFromWindows1252) {
    TempProject t;
    t.WriteAlignment({Station("1000", "1", "1"), Station("3450.5", "1", "1")},
                     Header("3.0", "  Município de São João  ", "Trecho: Estrada do Sítio", "Córrego Fundo"));
    Loaded l(t);
    ASSERT_EQ(l.Run(), LoadOutcome::Loaded);
    EXPECT_EQ(l.s.budget.Edit8, "  Município de São João  ");
    EXPECT_EQ(l.s.budget.Edit10, "Trecho: Estrada do Sítio");
    EXPECT_EQ(l.s.budget.Edit9, "Córrego Fundo");
    EXPECT_EQ(l.s.budget.edit11, "2.451");
    EXPECT_EQ(l.s.project.companyText, "Prefeitura Municipal de São João");
    EXPECT_EQ(l.s.project.AlignmentVersion, 3.0L);
}

TEST(ProjectReader, StationsFillAllTwentyOneColumnsAndStarFieldsAreEmpty) {
    std::map<int, std::string> cols;
    for (int k = 1; k <= 20; ++k) cols[k] = "c" + std::to_string(k);
    cols[3] = "20.000";
    cols[8] = "SEÇÃO TIPO A com trinta chars.";  // 30 characters, fills its field
    cols[6] = "*";
    cols[12] = "*12";
    TempProject t;
    t.WriteAlignment({Station("0", "1", "1", "T1"), "XXXX skipped", "ESTC", "ESTX 1", Estc(cols)});
    Loaded l(t);
    ASSERT_EQ(l.Run(), LoadOutcome::Loaded);
    const Grid& e = l.s.project.estgrid;
    EXPECT_EQ(l.s.project.StationCount, 3);
    EXPECT_EQ(e.RowCount(), 4);
    EXPECT_EQ(e.StoredColCount(), 21) << "every station keeps 21 columns, however short its line";
    EXPECT_EQ(e.Cell(0, 2), "2") << "a bare tag is still a station";
    EXPECT_EQ(e.Cell(3, 2), "");
    EXPECT_EQ(e.Cell(0, 3), "3");
    for (int k : {1, 2, 4, 5, 7, 9, 11, 20}) EXPECT_EQ(e.Cell(k, 3), "c" + std::to_string(k)) << k;
    EXPECT_EQ(e.Cell(3, 3), "20.000");
    EXPECT_EQ(e.Cell(8, 3), "SEÇÃO TIPO A com trinta chars.");
    EXPECT_EQ(e.Cell(6, 3), "");
    EXPECT_EQ(e.Cell(12, 3), "");
    EXPECT_EQ(l.s.budget.edit11, "0.020");
    // The extension needs the last station's chainage, which is empty here.
    t.WriteAlignment({Station("0", "1", "1"), "ESTC"});
    Loaded l2(t);
    std::string msg = ErrorOf<ConversionError>(l2);
    EXPECT_NE(msg.find(t.Alignment()), std::string::npos) << msg;
    EXPECT_NE(msg.find("linha 22"), std::string::npos) << msg;
}

TEST(ProjectReader, VersionDecidesVolumeColumnsAndWhichAreColouredBySign) {
    struct Case {
        const char* version;
        int filled;          // columns read per VOLM
        int redA, redB;      // coloured by sign
        int otherA, otherB;  // the pair of the other version: never coloured
        int fixed;
    };
    const Case cases[] = {{"3.0", 32, 27, 29, 13, 15, 32}, {"2.0", 21, 13, 15, 27, 29, 18}};
    for (const Case& c : cases) {
        auto row1 = ThirtyTwo("E1"), row2 = ThirtyTwo("E2");
        for (int k : {13, 15, 27, 29}) row1[k] = "-" + std::to_string(k);
        row2[5] = "*";
        row2[c.redA] = "0";
        row2[c.redB] = "*x";  // empty, shown black
        row2[0] = "*E2";      // the station column keeps its text
        TempProject t;
        t.WriteAlignment({Station("0", "1", "1"), Columns("VOLM", row1), Columns("VOLM", row2)}, Header(c.version));
        Loaded l(t);
        ASSERT_EQ(l.Run(), LoadOutcome::Loaded) << c.version;
        const Grid& v = l.s.project.volgrid;
        EXPECT_EQ(l.s.project.FixedVolumeColumns, c.fixed);
        EXPECT_EQ(l.s.project.VolumeRowCount, 2);
        EXPECT_EQ(v.RowCount(), 3);
        EXPECT_EQ(v.Cell(c.filled - 1, 1), row1[c.filled - 1]) << c.version;
        EXPECT_EQ(v.Cell(c.filled, 1), "") << c.version << ": column " << c.filled << " is not read";
        EXPECT_EQ(v.Cell(5, 2), "");
        EXPECT_EQ(v.Cell(0, 2), "*E2");
        auto colour = [&](int col, int row) {
            const CellStyle* st = v.FindStyle(col, row);
            return st && st->fontColor ? *st->fontColor : Rgb{1, 2, 3};
        };
        EXPECT_EQ(colour(c.redA, 1), colors::kRed) << c.version;
        EXPECT_EQ(colour(c.redB, 1), colors::kRed) << c.version;
        EXPECT_EQ(colour(c.redA, 2), colors::kBlack) << c.version;
        EXPECT_EQ(colour(c.redB, 2), colors::kBlack) << c.version;
        EXPECT_EQ(v.FindStyle(c.otherA, 1), nullptr) << c.version;
        EXPECT_EQ(v.FindStyle(c.otherB, 1), nullptr) << c.version;
        EXPECT_EQ(v.Title(16), "Semi Distância") << "titles stay for every version";
    }
}

TEST(ProjectReader, VoldAndVolcAddColumnsAfterTheFixedOnes) {
    struct Case {
        const char* version;
        int first;  // first additional column
    };
    for (const Case& c : {Case{"3.0", 32}, Case{"2.0", 18}}) {
        TempProject t;
        t.WriteAlignment({Station("0", "1", "1"), Columns("VOLM", ThirtyTwo("E1")), Columns("VOLM", ThirtyTwo("E2")),
                          FixedLine("VOLD").Right(6, std::to_string(c.first + 3)).Bytes(),
                          Columns("VOLC", {"Larg. Revest.", "*", "Vol. Revest."}),
                          Columns("VOLC", {"6.00", "0.20", "*24.0"}), Columns("VOLC", {"6.50", "0.25", "26.0"})},
                         Header(c.version));
        Loaded l(t);
        ASSERT_EQ(l.Run(), LoadOutcome::Loaded) << c.version;
        const Grid& v = l.s.project.volgrid;
        const int f = c.first;
        EXPECT_EQ(v.ColCount(), f + 3);
        EXPECT_EQ(v.Title(f), "Larg. Revest.");
        EXPECT_EQ(v.Title(f + 1), "");
        EXPECT_EQ(v.Title(f + 2), "Vol. Revest.");
        EXPECT_EQ(v.Cell(f + 1, 1), "0.20");
        EXPECT_EQ(v.Cell(f + 2, 1), "");
        EXPECT_EQ(v.Cell(f + 2, 2), "26.0");
        const int widths[3] = {100, 150, 100};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(v.Column(f + k).width, widths[k]) << c.version << " column " << f + k;
            EXPECT_EQ(v.BackgroundOf(f + k, 1), colors::kAqua);
            EXPECT_EQ(v.AlignOf(f + k, 1), CellAlign::Center);
        }
        EXPECT_NE(v.Column(f - 1).background, colors::kAqua) << "fixed columns keep their layout";
    }
}

TEST(ProjectReader, VolcBeforeAnyVoldFillsFromRowZeroWithTheColumnCountInForce) {
    std::vector<std::string> titles(14), values(14);
    for (int k = 0; k < 14; ++k) titles[k] = std::string("T") + std::to_string(18 + k), values[k] = std::string("V") + std::to_string(18 + k);
    // Version 2: the additional columns start at 18 and the grid has 32 columns.
    TempProject t;
    t.WriteAlignment({Station("0", "1", "1"), Columns("VOLC", titles), Columns("VOLC", values),
                      Columns("VOLM", ThirtyTwo("E1"))},
                     Header("2.0"));
    Loaded l(t);
    ASSERT_EQ(l.Run(), LoadOutcome::Loaded);
    const Grid& v = l.s.project.volgrid;
    EXPECT_EQ(v.Title(17), "Vol. Cor. CV");
    EXPECT_EQ(v.Title(18), "T18");
    EXPECT_EQ(v.Title(31), "T31");
    EXPECT_EQ(v.Cell(20, 1), "20.5") << "the VOLM read later overwrites its own columns";
    EXPECT_EQ(v.Cell(21, 1), "V21") << "and keeps the rest";
    EXPECT_EQ(v.Cell(31, 1), "V31");

    // Version 3: with 32 columns in force there is no additional column to fill.
    t.WriteAlignment({Station("0", "1", "1"), Columns("VOLC", titles), Columns("VOLM", ThirtyTwo("E1"))});
    Loaded l3(t);
    ASSERT_EQ(l3.Run(), LoadOutcome::Loaded);
    EXPECT_EQ(l3.s.project.volgrid.Title(18), "Vol. At. CV");
    EXPECT_EQ(l3.s.project.volgrid.StoredColCount(), 32);
}

TEST(ProjectReader, VoldCountIsReadUntrimmed) {
    struct Case {
        std::string line;
        int columns;  // 0: conversion error
        std::string shown;
    };
    const Case cases[] = {
        {FixedLine("VOLD").Right(6, "34").Bytes(), 34, ""},
        {"VOLD 34", 34, ""},
        {"VOLD 34   ", 0, "\"34   \""},
        {"VOLD 3 4", 0, "\"3 4\""},
        {"VOLD", 0, "\"\""},
        {"VOLD 999999", 0, "999999"},
    };
    for (const Case& c : cases) {
        TempProject t;
        t.WriteSections({SectionHeader("E1", "0")});
        t.WriteAlignment({Station("0", "1", "1"), Columns("VOLM", ThirtyTwo("E1")), c.line});
        Loaded l(t);
        if (c.columns) {
            ASSERT_EQ(l.Run(), LoadOutcome::Loaded) << c.line;
            EXPECT_EQ(l.s.project.volgrid.ColCount(), c.columns);
            continue;
        }
        std::string msg = ErrorOf<ConversionError>(l);
        EXPECT_NE(msg.find(t.Alignment()), std::string::npos) << c.line << " -> " << msg;
        EXPECT_NE(msg.find("linha 23"), std::string::npos) << msg;
        EXPECT_NE(msg.find(c.shown), std::string::npos) << msg;
        // What was read stays; the later steps do not run.
        EXPECT_EQ(l.s.project.StationCount, 1);
        EXPECT_EQ(l.s.project.volgrid.RowCount(), 2);
        EXPECT_EQ(l.s.project.volgrid.Cell(0, 1), "E1");
        EXPECT_EQ(l.s.project.SectionCount, 0);
        EXPECT_EQ(l.s.project.companyText, "");
    }
}

TEST(ProjectReader, FileWithoutStationsIsAnError) {
    TempProject t;
    t.WriteAlignment({Columns("VOLM", ThirtyTwo("E1"))});
    Loaded l(t);
    std::string msg = ErrorOf<ConversionError>(l);
    EXPECT_NE(msg.find(t.Alignment()), std::string::npos) << msg;
    EXPECT_NE(msg.find("ESTC"), std::string::npos) << msg;
    EXPECT_EQ(l.s.project.volgrid.RowCount(), 2) << "the volume rows are in place before the extension";
}

TEST(ProjectReader, SectionsLoadWholeWithoutCapacityLimit) {
    TempProject t;
    t.WriteAlignment({Station("0", "1", "1")});  // one station: room for 12 entries at first
    std::vector<std::string> scc = {"linha solta", SectionHeader("E0", "120", "500010.5", "7000020.25")};
    for (int i = 1; i <= 120; ++i) scc.push_back(PointLine(std::to_string(i - 60), "100.5", "1", "2"));
    scc.push_back(SectionHeader("  E1+10,00  ", "3"));
    scc.push_back(PointLine("-4", "99", "10", "20", "-5", "BDÉ"));
    scc.push_back(FixedLine(PointLine("0", "98", "11", "21")).At(120, " ").Bytes());  // blanks past 67
    scc.push_back(PointLine("4", "97", "12", "22", "5"));
    for (int k = 2; k < 20; ++k) scc.push_back(SectionHeader(std::string("E") + std::to_string(k), "0"));
    t.WriteSections(scc);
    Loaded l(t);
    ASSERT_EQ(l.Run(), LoadOutcome::Loaded);
    const ProjectModel& p = l.s.project;
    EXPECT_EQ(p.SectionCount, 20);
    ASSERT_GE(p.Sections.size(), 21u);
    const TSecao& s0 = p.Sections[1];
    EXPECT_EQ(s0.Name, "E0");
    EXPECT_EQ(s0.PointCount, 120);
    EXPECT_EQ(s0.AxisEast, 500010.5L);
    EXPECT_EQ(s0.AxisNorth, 7000020.25L);
    EXPECT_EQ(s0.OffsetAt(120), 60.0L) << "points past 100 are kept";
    EXPECT_EQ(s0.ElevationAt(101), 100.5L);
    const TSecao& s1 = p.Sections[2];
    EXPECT_EQ(s1.Name, "E1+10,00");
    EXPECT_EQ(s1.PointLabel[1], "BDÉ");
    EXPECT_EQ(s1.CodeAt(1), -5);
    EXPECT_EQ(s1.PointExtra1[1], 1.5L);
    EXPECT_EQ(s1.PointExtra2[1], 2.5L);
    EXPECT_EQ(s1.CodeAt(2), 0) << "a point without values from character 67 has code 0";
    EXPECT_EQ(s1.PointLabel[2], "");
    EXPECT_EQ(s1.PointExtra1[2], 0.0L);
    EXPECT_EQ(s1.NorthAt(3), 22.0L);
    EXPECT_EQ(s1.CodeAt(3), 5);
    EXPECT_EQ(s1.CodeAt(0), 0);
    EXPECT_EQ(p.Sections[20].Name, "E19");
}

TEST(ProjectReader, SectionFieldThatIsNoNumberNamesFileLineAndValue) {
    struct Case {
        std::string line;
        std::string value;
    };
    const Case cases[] = {
        {PointLine("1O.5", "100", "1", "2"), "1O.5"},
        {PointLine("1", "", "1", "2"), "\"\""},
        {PointLine("1", "100", "1", "2", "1.5"), "1.5"},
        {SectionHeader("E2", "três"), "três"},
        {SectionHeader("E2", "3", "5OO"), "5OO"},
    };
    for (const Case& c : cases) {
        TempProject t;
        t.WriteAlignment({Station("0", "1", "1"), Station("20", "1", "1")});
        t.WriteSections({SectionHeader("E1", "1"), PointLine("0", "100", "1", "2"), c.line});
        Loaded l(t);
        std::string msg = ErrorOf<ConversionError>(l);
        EXPECT_NE(msg.find(t.Sections()), std::string::npos) << msg;
        EXPECT_NE(msg.find("linha 8"), std::string::npos) << msg;
        EXPECT_NE(msg.find(c.value), std::string::npos) << msg;
        EXPECT_EQ(l.s.project.Sections[1].ElevationAt(1), 100.0L) << "the sections read before stay";
        EXPECT_EQ(l.s.project.companyText, "") << "the settings file is not read after a failure";
    }
}

TEST(ProjectReader, MissingProjectFileIsNoErrorButMissingOtherFilesAre) {
    TempProject t;
    t.WriteAlignment({Station("0", "1", "1")});
    {
        Loaded l(t);
        EXPECT_EQ(l.Run(), LoadOutcome::Loaded);
        EXPECT_EQ(l.s.project.SectionCount, 0);
        EXPECT_EQ(l.s.project.companyText, "Prefeitura Municipal de São João");
    }
    {
        Loaded l(t);
        l.s.suiteDir = t.Path("nenhuma");
        std::string msg = ErrorOf<FileError>(l);
        EXPECT_NE(msg.find(t.Path("nenhuma") + "/dorvan.ini"), std::string::npos) << msg;
        EXPECT_EQ(l.s.budget.edit11, "0.000") << "what was read stays";
    }
    {
        Loaded l(t);
        l.s.project.AlignmentFileName = t.Path("outra.alg");
        std::string msg = ErrorOf<FileError>(l);
        EXPECT_NE(msg.find(t.Path("outra.alg")), std::string::npos) << msg;
        EXPECT_TRUE(l.ui.calls.empty());
    }
}
