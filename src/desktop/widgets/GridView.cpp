#include "desktop/widgets/GridView.h"

#include <algorithm>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>

namespace desktop {
namespace {

// Room around a title so that it is not clipped by the section's margins.
constexpr int kTitlePadding = 14;

void SetUpRows(QTableView* v, int rowHeight) {
    QHeaderView* vh = v->verticalHeader();
    vh->setMinimumSectionSize(1);
    vh->setDefaultSectionSize(rowHeight);
    // Fixed heights keep the view fast with thousands of rows: no per-row measuring.
    vh->setSectionResizeMode(QHeaderView::Fixed);
    vh->hide();
}

}  // namespace

GridView::GridView(engine::Grid& grid, QWidget* parent) : QTableView(parent), model_(new GridModel(grid, this)) {
    setObjectName(QString::fromStdString(grid.Name()));
    model_->SetBaseFont(font());
    setModel(model_);
    SetUpRows(this, grid.DefaultRowHeight());
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(8);
    setEditTriggers(grid.Editable() ? (QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                       QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked)
                                    : QAbstractItemView::NoEditTriggers);
    if (grid.FixedCols() > 0) setUpFrozenColumn();
    applyLayout();
}

int GridView::shownWidth(int col) const {
    const int width = Grid().Column(col).width;
    const QString title = model_->headerData(col, Qt::Horizontal).toString();
    QFont f = horizontalHeader()->font();
    if (QVariant hf = model_->headerData(col, Qt::Horizontal, Qt::FontRole); hf.isValid()) f = hf.value<QFont>();
    return std::max(width, QFontMetrics(f).horizontalAdvance(title) + kTitlePadding);
}

void GridView::applyLayout() {
    const int cols = model_->columnCount();
    if (cols != appliedCols_) {
        appliedWidths_.assign(cols, -2);  // -2: never applied
        appliedCols_ = cols;
    }
    for (int c = 0; c < cols; ++c) {
        const int width = Grid().Column(c).width;
        if (width == appliedWidths_[c]) continue;
        appliedWidths_[c] = width;
        if (width < 0) {
            setColumnHidden(c, true);
            continue;
        }
        setColumnHidden(c, false);
        setColumnWidth(c, shownWidth(c));
    }
    if (frozen_) {
        for (int c = 1; c < cols; ++c) frozen_->setColumnHidden(c, true);
        frozen_->setColumnHidden(0, false);
        frozen_->setColumnWidth(0, columnWidth(0));
        updateFrozenGeometry();
    }
}

void GridView::Refresh() {
    const int oldCols = model_->columnCount();
    model_->Refresh();
    if (model_->columnCount() != oldCols) appliedCols_ = -1;  // the reset dropped the section sizes
    applyLayout();
}

QPoint GridView::SelectionTopLeft() const {
    int col = -1, row = -1;
    const QItemSelection sel = selectionModel()->selection();
    for (const QItemSelectionRange& r : sel) {
        if (col < 0 || r.left() < col) col = r.left();
        if (row < 0 || r.top() < row) row = r.top();
    }
    if (col < 0) {
        const QModelIndex cur = currentIndex();
        if (cur.isValid()) {
            col = cur.column();
            row = cur.row();
        } else {
            col = Grid().FixedCols();
            row = 0;
        }
    }
    return QPoint(col, model_->GridRow(row));
}

void GridView::SelectCell(int col, int gridRow) {
    const QModelIndex idx = model_->index(model_->ModelRow(gridRow), col);
    if (!idx.isValid()) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect);
}

// The frozen first column is a second view laid over the left edge, sharing the
// model and the selection, scrolled vertically with the main view.
void GridView::setUpFrozenColumn() {
    frozen_ = new QTableView(this);
    frozen_->setObjectName(objectName() + "_fixo");
    frozen_->setModel(model_);
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->setFrameShape(QFrame::NoFrame);
    SetUpRows(frozen_, Grid().DefaultRowHeight());
    frozen_->setWordWrap(false);
    frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->horizontalHeader()->setHighlightSections(false);
    frozen_->setSelectionModel(selectionModel());
    frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->stackUnder(frozen_);

    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    frozen_->setVerticalScrollMode(ScrollPerPixel);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        if (logical != 0) return;
        frozen_->setColumnWidth(0, size);
        updateFrozenGeometry();
    });
    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    frozen_->show();
}

void GridView::updateFrozenGeometry() {
    if (!frozen_) return;
    frozen_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                         viewport()->height() + horizontalHeader()->height());
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
}

QModelIndex GridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QModelIndex current = QTableView::moveCursor(action, modifiers);
    // Moving left must not hide the cell under the frozen column.
    if (frozen_ && action == MoveLeft && current.column() > 0 &&
        visualRect(current).topLeft().x() < frozen_->columnWidth(0)) {
        const int value = horizontalScrollBar()->value() + visualRect(current).topLeft().x() - frozen_->columnWidth(0);
        horizontalScrollBar()->setValue(value);
    }
    return current;
}

void GridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    // The frozen column is always in view: bring its row into view, but do not jump
    // back to the left edge.
    if (frozen_ && index.column() == 0) {
        const int keep = horizontalScrollBar()->value();
        QTableView::scrollTo(index, hint);
        horizontalScrollBar()->setValue(keep);
        return;
    }
    QTableView::scrollTo(index, hint);
}

}  // namespace desktop
