#pragma once
// The table view of an engine grid: column widths, hidden columns and row height
// come from the Grid; a grid with a fixed first column keeps that column frozen at
// the left edge while the others scroll.
#include <vector>

#include <QTableView>

#include "desktop/models/GridModel.h"

namespace desktop {

class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(engine::Grid& grid, QWidget* parent = nullptr);

    GridModel* Model() const { return model_; }
    engine::Grid& Grid() const { return model_->Grid(); }

    // Call after the engine changed the grid (texts, styles, row or column count).
    void Refresh();

    // Top-left cell of the current selection, in grid coordinates (column, grid row);
    // the current cell when nothing is selected.
    QPoint SelectionTopLeft() const;
    // Selects the single cell (column, grid row) and makes it current.
    void SelectCell(int col, int gridRow);

    // The view that shows the frozen first column, if the grid has one.
    QTableView* FrozenView() const { return frozen_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

private:
    void applyLayout();
    void setUpFrozenColumn();
    void updateFrozenGeometry();
    int shownWidth(int col) const;

    GridModel* model_;
    QTableView* frozen_ = nullptr;
    std::vector<int> appliedWidths_;  // grid widths last applied, so user resizing survives a refresh
    int appliedCols_ = -1;
};

}  // namespace desktop
