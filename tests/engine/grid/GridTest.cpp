#include <gtest/gtest.h>

#include "engine/grid/Grid.h"
#include "engine/session/Session.h"

using namespace engine;

TEST(Grid, RowCountChangesKeepRemainingCells) {
    Grid g("g", 3, 5);
    g.SetCell(1, 4, "quatro");
    g.SetCell(1, 2, "dois");
    g.SetCell(7, 2, "além");  // beyond the visible columns: stored like the others
    g.SetRowCount(3);
    EXPECT_EQ(g.Cell(1, 2), "dois");
    EXPECT_EQ(g.Cell(7, 2), "além");
    EXPECT_EQ(g.StoredColCount(), 8);
    g.SetRowCount(6);
    EXPECT_EQ(g.Cell(1, 4), "") << "rows cut by a smaller count are gone";
    EXPECT_EQ(g.Cell(1, 2), "dois");
    EXPECT_EQ(g.Cell(99, 99), "");
}

TEST(Grid, ClipboardTextHasATabAfterEveryCellAndCrLfAfterEveryRow) {
    Grid g("sgnt", 24, 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 24; ++c) g.SetCell(c, r, std::to_string(r) + ":" + std::to_string(c));
    std::string text = g.ClipboardText(0, 21);
    int lines = 0, tabs = 0;
    std::size_t start = 0;
    for (std::size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2) {
        std::string line = text.substr(start, pos - start);
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 22);
        EXPECT_EQ(line.substr(0, 4), std::to_string(lines) + ":0\t");
        EXPECT_EQ(line.find(":22"), std::string::npos) << "hidden columns are not copied";
        tabs += std::count(line.begin(), line.end(), '\t');
        ++lines;
    }
    EXPECT_EQ(start, text.size());
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(tabs, 66);
}

TEST(Session, DesignTimeGridsTitlesAndDefaults) {
    Session s;
    for (Grid* g : s.Grids()) {
        if (g->Name() == "sgorc") EXPECT_EQ(g->RowCount(), 2);
        else EXPECT_EQ(g->RowCount(), 5) << g->Name();
    }
    EXPECT_EQ(s.nota.sgnt.Title(0), "Estaca");
    EXPECT_EQ(s.nota.sgnt.Title(21), "Offset D (CE)");
    EXPECT_EQ(s.nota.sgnt.ColCount(), 22);
    EXPECT_EQ(s.project.volgrid.Title(16), "Semi Distância");
    EXPECT_EQ(s.project.volgrid.Column(16).background, colors::kAqua);
    EXPECT_EQ(s.project.volgrid.BackgroundOf(17, 0), colors::kSilver);
    EXPECT_EQ(s.project.volgrid.BackgroundOf(17, 3), colors::kLightYellow);
    EXPECT_EQ(s.crown.sgab.Title(3), "Área de Abaulamento");
    EXPECT_EQ(s.clearing.sglimp.Title(5), "Destocamento");
    EXPECT_EQ(s.bumps.sglomb.Column(4).width, -1);
    EXPECT_EQ(s.drainage.sgdren.Title(8), "Vol. Vala Lat");
    EXPECT_EQ(s.budget.sgorc.Title(5), "a Executar %");
    EXPECT_EQ(s.budget.Label40, "    ");
    EXPECT_EQ(s.bumps.AlignEdit2, "35.00");
    auto fields = s.Fields();
    FieldRef* lped = s.FindField(fields, "lped");
    ASSERT_NE(lped, nullptr);
    EXPECT_EQ(*lped->text, "40");
    EXPECT_EQ(s.FindGrid("sgdren"), &s.drainage.sgdren);
}
