#include <gtest/gtest.h>

#include "engine/session/Session.h"

using namespace engine;

// The fixed columns as the volume tab shows them, column by column.
TEST(VolumeGridLayout, FixedColumnsHaveTheirTitlesWidthsAndColours) {
    using namespace colors;
    const std::optional<Rgb> N, Y = kLightYellow, R = kLightRed, A = kAqua;
    struct Col {
        const char* title;
        int width;
        std::optional<Rgb> bg;
    };
    const Col cols[32] = {
        {"Estaca", 84, N},         {"A Corte", 63, N},         {"A Aterro", 62, N},       {"CV Corte", 63, Y},
        {"CV Aterro", 63, Y},      {"1C Corte", 63, Y},        {"1C Aterro", 63, Y},      {"2C Corte", 63, Y},
        {"2C Aterro", 63, Y},      {"3C Corte", 63, Y},        {"3C Aterro", 63, Y},      {"Efet Corte", 69, N},
        {"Geo Aterro", 68, N},     {"Efet Aterro", 71, N},     {"A Acum Corte", 84, R},   {"A Acum Aterro", 88, R},
        {"Semi Distância", 89, A}, {"Vol. Cor. CV", 76, Y},    {"Vol. At. CV", 68, Y},    {"Vol. Cor. 1C", 78, Y},
        {"Vol. At. 1C", 68, Y},    {"Vol. Cor. 2C", 74, Y},    {"Vol At. 2C", 65, Y},     {"Vol Cor. 3C", 74, Y},
        {"Vol At. 3C", 64, Y},     {"Volume Corte", 87, N},    {"Volume Aterro", 87, N},  {"C-A", 88, N},
        {"Comp Lateral", 86, N},   {"Ord Bruckner", 84, N},    {"V Acum Corte", 85, R},   {"V Acum Aterro", 89, R},
    };
    Session s;
    const Grid& g = s.project.volgrid;
    EXPECT_EQ(g.ColCount(), 32);
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_FALSE(g.Editable());
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.DefaultRowHeight(), 20);
    for (int c = 0; c < 32; ++c) {
        EXPECT_EQ(g.Title(c), cols[c].title) << c;
        EXPECT_EQ(g.Column(c).width, cols[c].width) << c;
        EXPECT_EQ(g.BackgroundOf(c, 1), cols[c].bg) << c;
        EXPECT_EQ(g.AlignOf(c, 1), CellAlign::Center) << c;
        // Titles of the category volumes are silver; the others show the column's colour.
        EXPECT_EQ(g.BackgroundOf(c, 0), c >= 17 && c <= 24 ? std::optional<Rgb>(kSilver) : cols[c].bg) << c;
    }
}
