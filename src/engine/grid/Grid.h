#pragma once
// A grid of text cells with its presentation: the engine's form of a string grid.
// Cells are addressed (column, row) as in the user-interface definitions; row 0
// holds the titles. Columns beyond the visible column count are stored and read
// like the others. Changing the row count keeps the cells that remain; a run that
// does not write a cell leaves its text.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace engine {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colors {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kLightYellow{255, 255, 128};
inline constexpr Rgb kLightRed{255, 128, 128};
}  // namespace colors

enum class CellAlign { Left, Center, Right };

// Presentation of one cell; unset fields fall back to the column and the grid.
struct CellStyle {
    std::optional<Rgb> fontColor;
    std::optional<Rgb> background;
    bool bold = false;
    int fontHeight = 0;  // 0: the grid's font
};

struct ColumnFormat {
    int width = 64;  // pixels; -1 hides the column
    std::optional<CellAlign> align;
    std::optional<Rgb> background;
};

class Grid {
public:
    Grid(std::string name, int colCount, int rowCount, int defaultColWidth = 64);

    const std::string& Name() const { return name_; }

    int RowCount() const { return rowCount_; }
    void SetRowCount(int rows);
    int ColCount() const { return colCount_; }
    void SetColCount(int cols);
    // Visible columns plus any stored beyond them (at least ColCount()).
    int StoredColCount() const;

    // Empty text for a cell never written.
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);
    const std::string& Title(int col) const { return Cell(col, 0); }

    // Style of a cell; the mutable form creates it.
    const CellStyle* FindStyle(int col, int row) const;
    CellStyle& Style(int col, int row);
    void ClearStyle(int col, int row);

    ColumnFormat& Column(int col);
    const ColumnFormat& Column(int col) const;

    CellAlign DefaultAlign() const { return defaultAlign_; }
    void SetDefaultAlign(CellAlign a) { defaultAlign_ = a; }
    int DefaultRowHeight() const { return rowHeight_; }
    void SetDefaultRowHeight(int h) { rowHeight_ = h; }
    bool Editable() const { return editable_; }
    void SetEditable(bool e) { editable_ = e; }
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetFixed(int rows, int cols) { fixedRows_ = rows, fixedCols_ = cols; }

    // Alignment, background and font colour that a cell is shown with.
    CellAlign AlignOf(int col, int row) const;
    std::optional<Rgb> BackgroundOf(int col, int row) const;

    // Every row from 0, columns firstCol..lastCol: each cell followed by a TAB (the
    // last one too), each row followed by CR LF.
    std::string ClipboardText(int firstCol, int lastCol) const;

private:
    static std::uint64_t Key(int col, int row) {
        return (std::uint64_t(std::uint32_t(row)) << 32) | std::uint32_t(col);
    }

    std::string name_;
    int colCount_;
    int rowCount_;
    int defaultColWidth_;
    int rowHeight_ = 20;
    int fixedRows_ = 1;
    int fixedCols_ = 0;
    bool editable_ = false;
    CellAlign defaultAlign_ = CellAlign::Left;
    std::vector<std::vector<std::string>> rows_;  // may hold rows beyond rowCount_ until it shrinks
    std::vector<ColumnFormat> columns_;
    std::unordered_map<std::uint64_t, CellStyle> styles_;
};

}  // namespace engine
