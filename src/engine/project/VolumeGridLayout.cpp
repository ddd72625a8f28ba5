#include "engine/project/VolumeGridLayout.h"

#include <optional>

namespace engine {

void ApplyVolumeGridLayout(Grid& g) {
    using namespace colors;
    struct Col {
        const char* title;
        int width;
        std::optional<Rgb> bg;
    };
    static const Col kCols[32] = {
        {"Estaca", 84, {}},           {"A Corte", 63, {}},          {"A Aterro", 62, {}},
        {"CV Corte", 63, kLightYellow}, {"CV Aterro", 63, kLightYellow}, {"1C Corte", 63, kLightYellow},
        {"1C Aterro", 63, kLightYellow}, {"2C Corte", 63, kLightYellow}, {"2C Aterro", 63, kLightYellow},
        {"3C Corte", 63, kLightYellow}, {"3C Aterro", 63, kLightYellow}, {"Efet Corte", 69, {}},
        {"Geo Aterro", 68, {}},       {"Efet Aterro", 71, {}},      {"A Acum Corte", 84, kLightRed},
        {"A Acum Aterro", 88, kLightRed}, {"Semi Distância", 89, kAqua}, {"Vol. Cor. CV", 76, kLightYellow},
        {"Vol. At. CV", 68, kLightYellow}, {"Vol. Cor. 1C", 78, kLightYellow}, {"Vol. At. 1C", 68, kLightYellow},
        {"Vol. Cor. 2C", 74, kLightYellow}, {"Vol At. 2C", 65, kLightYellow}, {"Vol Cor. 3C", 74, kLightYellow},
        {"Vol At. 3C", 64, kLightYellow}, {"Volume Corte", 87, {}},   {"Volume Aterro", 87, {}},
        {"C-A", 88, {}},              {"Comp Lateral", 86, {}},     {"Ord Bruckner", 84, {}},
        {"V Acum Corte", 85, kLightRed}, {"V Acum Aterro", 89, kLightRed},
    };
    g.SetColCount(32);
    g.SetFixed(1, 1);
    g.SetEditable(false);
    g.SetDefaultAlign(CellAlign::Center);
    g.SetDefaultRowHeight(20);
    for (int c = 0; c < 32; ++c) {
        g.SetCell(c, 0, kCols[c].title);
        g.Column(c).width = kCols[c].width;
        g.Column(c).background = kCols[c].bg;
    }
    for (int c = 17; c <= 24; ++c) g.Style(c, 0).background = kSilver;
}

}  // namespace engine

namespace engine {

void ApplyAdditionalVolumeColumns(Grid& g, int firstCol) {
    for (int c = firstCol; c < g.ColCount(); ++c) {
        ColumnFormat& f = g.Column(c);
        f.width = (c - firstCol) % 2 == 0 ? 100 : 150;
        f.background = colors::kAqua;
        f.align = CellAlign::Center;
    }
}

void ApplySignColour(Grid& g, int col, int row) {
    const std::string& text = g.Cell(col, row);
    std::size_t first = text.find_first_not_of(" \t");
    bool negative = first != std::string::npos && text[first] == '-';
    g.Style(col, row).fontColor = negative ? colors::kRed : colors::kBlack;
}

}  // namespace engine
