#include "desktop/models/GridModel.h"

#include <algorithm>

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace desktop {
namespace {

// Font heights in the grids are given for an 8-point screen font; the window uses a
// larger one, so a height keeps its distance from 8 rather than its absolute value.
constexpr int kDesignFontHeight = 8;

QColor ToQColor(const engine::Rgb& c) { return QColor(c.r, c.g, c.b); }

Qt::Alignment ToQtAlignment(engine::CellAlign a) {
    switch (a) {
        case engine::CellAlign::Left: return Qt::AlignLeft | Qt::AlignVCenter;
        case engine::CellAlign::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
        case engine::CellAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

GridModel::GridModel(engine::Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), baseFont_(QGuiApplication::font()) {
    shownRows_ = visibleRows();
    shownCols_ = grid_.ColCount();
}

int GridModel::visibleRows() const { return std::max(0, grid_.RowCount() - titleRows()); }

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownRows_; }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownCols_; }

void GridModel::Refresh() {
    const int rows = visibleRows();
    const int cols = grid_.ColCount();
    if (cols != shownCols_) {
        // A new column layout (a project with additional volume columns): start over.
        beginResetModel();
        shownRows_ = rows;
        shownCols_ = cols;
        endResetModel();
        return;
    }
    if (rows > shownRows_) {
        beginInsertRows({}, shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    } else if (rows < shownRows_) {
        beginRemoveRows({}, rows, shownRows_ - 1);
        shownRows_ = rows;
        endRemoveRows();
    }
    if (shownRows_ > 0 && shownCols_ > 0) emit dataChanged(index(0, 0), index(shownRows_ - 1, shownCols_ - 1));
    if (shownCols_ > 0) emit headerDataChanged(Qt::Horizontal, 0, shownCols_ - 1);
}

QFont GridModel::fontOf(int col, int gridRow) const {
    QFont f = baseFont_;
    const engine::CellStyle* s = grid_.FindStyle(col, gridRow);
    if (!s) return f;
    if (s->bold) f.setBold(true);
    if (s->fontHeight > 0 && s->fontHeight != kDesignFontHeight && baseFont_.pointSizeF() > 0)
        f.setPointSizeF(std::max(4.0, baseFont_.pointSizeF() + (s->fontHeight - kDesignFontHeight)));
    return f;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shownRows_ || index.column() >= shownCols_) return {};
    const int col = index.column();
    const int row = GridRow(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return QString::fromStdString(grid_.Cell(col, row));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(ToQtAlignment(grid_.AlignOf(col, row)));
        case Qt::ForegroundRole:
            if (const engine::CellStyle* s = grid_.FindStyle(col, row); s && s->fontColor)
                return QBrush(ToQColor(*s->fontColor));
            return {};
        case Qt::BackgroundRole:
            if (auto bg = grid_.BackgroundOf(col, row)) return QBrush(ToQColor(*bg));
            if (IsFixedColumn(col)) return QGuiApplication::palette().button();
            return {};
        case Qt::FontRole: {
            const engine::CellStyle* s = grid_.FindStyle(col, row);
            if (!s || (!s->bold && s->fontHeight == 0)) return {};
            return fontOf(col, row);
        }
        default:
            return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole) return GridRow(section);
        return {};
    }
    if (section < 0 || section >= shownCols_) return {};
    if (titleRows() == 0) return role == Qt::DisplayRole ? QVariant(section) : QVariant();
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(grid_.Title(section));
        case Qt::ForegroundRole:
            if (const engine::CellStyle* s = grid_.FindStyle(section, 0); s && s->fontColor)
                return QBrush(ToQColor(*s->fontColor));
            return {};
        case Qt::BackgroundRole:
            // Title cells take only their own colour, never the column's.
            if (const engine::CellStyle* s = grid_.FindStyle(section, 0); s && s->background)
                return QBrush(ToQColor(*s->background));
            return {};
        case Qt::FontRole: {
            const engine::CellStyle* s = grid_.FindStyle(section, 0);
            if (!s || (!s->bold && s->fontHeight == 0)) return {};
            return fontOf(section, 0);
        }
        default:
            return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (grid_.Editable() && !IsFixedColumn(index.column())) f |= Qt::ItemIsEditable;
    return f;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    const int col = index.column();
    const int row = GridRow(index.row());
    std::string text = value.toString().toStdString();
    if (text != grid_.Cell(col, row)) {
        grid_.SetCell(col, row, std::move(text));
        emit dataChanged(index, index);
    }
    // Reported also when the text stayed: leaving the editor is the event, as the
    // budget re-prices after every edit.
    emit CellEdited(col, row);
    return true;
}

}  // namespace desktop
