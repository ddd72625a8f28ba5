#include "engine/grid/Grid.h"

#include <algorithm>
#include <stdexcept>

namespace engine {

Grid::Grid(std::string name, int colCount, int rowCount, int defaultColWidth)
    : name_(std::move(name)), colCount_(colCount), rowCount_(rowCount), defaultColWidth_(defaultColWidth) {
    columns_.resize(colCount_, ColumnFormat{defaultColWidth_, {}, {}});
}

void Grid::SetRowCount(int rows) {
    if (rows < 0) rows = 0;
    rowCount_ = rows;
    if (static_cast<int>(rows_.size()) > rows) rows_.resize(rows);
    for (auto it = styles_.begin(); it != styles_.end();)
        it = (int(it->first >> 32) >= rows) ? styles_.erase(it) : std::next(it);
}

void Grid::SetColCount(int cols) {
    if (cols < 0) cols = 0;
    colCount_ = cols;
    if (static_cast<int>(columns_.size()) < cols) columns_.resize(cols, ColumnFormat{defaultColWidth_, {}, {}});
}

int Grid::StoredColCount() const {
    std::size_t n = colCount_;
    for (const auto& r : rows_) n = std::max(n, r.size());
    return static_cast<int>(n);
}

const std::string& Grid::Cell(int col, int row) const {
    static const std::string kEmpty;
    if (row < 0 || col < 0 || row >= static_cast<int>(rows_.size())) return kEmpty;
    const auto& r = rows_[row];
    return col < static_cast<int>(r.size()) ? r[col] : kEmpty;
}

void Grid::SetCell(int col, int row, std::string text) {
    if (col < 0 || row < 0) throw std::out_of_range("célula fora da planilha " + name_);
    if (row >= static_cast<int>(rows_.size())) rows_.resize(row + 1);
    auto& r = rows_[row];
    if (col >= static_cast<int>(r.size())) r.resize(col + 1);
    r[col] = std::move(text);
}

const CellStyle* Grid::FindStyle(int col, int row) const {
    auto it = styles_.find(Key(col, row));
    return it == styles_.end() ? nullptr : &it->second;
}

CellStyle& Grid::Style(int col, int row) { return styles_[Key(col, row)]; }

void Grid::ClearStyle(int col, int row) { styles_.erase(Key(col, row)); }

ColumnFormat& Grid::Column(int col) {
    if (col < 0) throw std::out_of_range("coluna negativa na planilha " + name_);
    if (col >= static_cast<int>(columns_.size())) columns_.resize(col + 1, ColumnFormat{defaultColWidth_, {}, {}});
    return columns_[col];
}

const ColumnFormat& Grid::Column(int col) const {
    static const ColumnFormat kDefault;
    if (col < 0 || col >= static_cast<int>(columns_.size())) return kDefault;
    return columns_[col];
}

CellAlign Grid::AlignOf(int col, int /*row*/) const {
    return Column(col).align.value_or(defaultAlign_);
}

std::optional<Rgb> Grid::BackgroundOf(int col, int row) const {
    if (const CellStyle* s = FindStyle(col, row); s && s->background) return s->background;
    return Column(col).background;
}

std::string Grid::ClipboardText(int firstCol, int lastCol) const {
    std::string out;
    for (int row = 0; row < rowCount_; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) {
            out += Cell(col, row);
            out += '\t';
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace engine
