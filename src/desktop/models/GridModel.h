#pragma once
// A table model over an engine grid. It holds no data of its own: every text,
// colour and font is read from the Grid when the view asks, and edits go straight
// back into it. Row 0 of the grid (the titles) is the horizontal header; grid rows
// 1.. are the model's rows 0.. .
#include <QAbstractTableModel>
#include <QFont>

#include "engine/grid/Grid.h"

namespace desktop {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(engine::Grid& grid, QObject* parent = nullptr);

    engine::Grid& Grid() { return grid_; }
    const engine::Grid& Grid() const { return grid_; }

    // Grid row of a model row and back (the title row is not a model row).
    int GridRow(int modelRow) const { return modelRow + titleRows(); }
    int ModelRow(int gridRow) const { return gridRow - titleRows(); }

    // The font cells fall back to; cell font heights are relative to it.
    void SetBaseFont(const QFont& font) { baseFont_ = font; }

    // Call after the engine changed the grid: follows row and column count changes
    // with the matching insert/remove signals, so views keep their scroll position.
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // A fixed (title-like) cell: the fixed first column of grids that have one.
    bool IsFixedColumn(int col) const { return col < grid_.FixedCols(); }

signals:
    // The user finished editing the cell (grid coordinates); the text is in the grid.
    void CellEdited(int col, int gridRow);

private:
    int titleRows() const { return grid_.FixedRows() > 0 ? 1 : 0; }
    int visibleRows() const;
    QFont fontOf(int col, int gridRow) const;

    engine::Grid& grid_;
    QFont baseFont_;
    int shownRows_ = 0;
    int shownCols_ = 0;
};

}  // namespace desktop
