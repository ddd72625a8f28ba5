// The table model and view over engine grids: presentation read from the Grid,
// edits written back, row count changes followed, and large grids kept fast.
#include <QElapsedTimer>
#include <QFont>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "desktop/models/GridModel.h"
#include "desktop/widgets/GridView.h"
#include "engine/session/Session.h"

using desktop::GridModel;
using desktop::GridView;

class GridModelTest : public QObject {
    Q_OBJECT
private slots:
    void presentationComesFromTheGrid();
    void editsGoBackIntoTheGrid();
    void refreshFollowsRowCountWithoutReset();
    void viewAppliesWidthsHiddenColumnsAndRowHeight();
    void fiveThousandRowsStayFast();
};

void GridModelTest::presentationComesFromTheGrid() {
    engine::Session s;
    engine::Grid& vol = s.project.volgrid;
    vol.SetRowCount(4);
    vol.SetCell(0, 2, "1+10.000");
    vol.SetCell(27, 2, "-12.500");
    vol.Style(27, 2).fontColor = engine::colors::kRed;
    vol.Style(3, 2).background = engine::colors::kAqua;  // a cell's colour beats its column's
    GridModel m(vol);

    QCOMPARE(m.rowCount(), 3);
    QCOMPARE(m.columnCount(), 32);
    QCOMPARE(m.headerData(0, Qt::Horizontal).toString(), QString("Estaca"));
    QCOMPARE(m.headerData(27, Qt::Horizontal).toString(), QString("C-A"));
    // Model row 1 is grid row 2.
    QCOMPARE(m.index(1, 27).data().toString(), QString("-12.500"));
    QCOMPARE(m.index(1, 27).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    QVERIFY(!m.index(0, 27).data(Qt::ForegroundRole).isValid());
    QCOMPARE(m.index(0, 4).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 255, 128));
    QCOMPARE(m.index(1, 3).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(0, 255, 255));
    QCOMPARE(m.index(0, 14).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 128, 128));
    QVERIFY(!m.index(0, 1).data(Qt::BackgroundRole).isValid());
    // Title cells take their own colour (silver over the volume columns), not the column's.
    QCOMPARE(m.headerData(17, Qt::Horizontal, Qt::BackgroundRole).value<QBrush>().color(), QColor(192, 192, 192));
    QVERIFY(!m.headerData(3, Qt::Horizontal, Qt::BackgroundRole).isValid());
    QCOMPARE(m.index(0, 5).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignHCenter | Qt::AlignVCenter);
    // The fixed first column looks fixed and cannot be edited; volgrid is read-only anyway.
    QVERIFY(m.index(0, 0).data(Qt::BackgroundRole).isValid());
    QVERIFY(!(m.flags(m.index(0, 1)) & Qt::ItemIsEditable));

    // Budget: column alignments, bold group headers with a larger font.
    engine::Grid& orc = s.budget.sgorc;
    orc.SetCell(1, 1, "Terraplenagem");
    orc.Style(1, 1).bold = true;
    orc.Style(1, 1).fontHeight = 12;
    GridModel b(orc);
    QFont base("Liberation Sans", 9);
    b.SetBaseFont(base);
    const QFont f = b.index(0, 1).data(Qt::FontRole).value<QFont>();
    QVERIFY(f.bold());
    QVERIFY(f.pointSizeF() > base.pointSizeF());
    QVERIFY(!b.index(0, 2).data(Qt::FontRole).isValid());
    QCOMPARE(b.index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(b.index(0, 6).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
}

void GridModelTest::editsGoBackIntoTheGrid() {
    engine::Session s;
    GridModel orc(s.budget.sgorc);
    QSignalSpy edited(&orc, &GridModel::CellEdited);
    QVERIFY(orc.flags(orc.index(0, 0)) & Qt::ItemIsEditable);  // no fixed column in the budget
    QVERIFY(orc.setData(orc.index(0, 5), "50"));
    QCOMPARE(s.budget.sgorc.Cell(5, 1), std::string("50"));
    QCOMPARE(edited.size(), 1);
    QCOMPARE(edited[0][0].toInt(), 5);
    QCOMPARE(edited[0][1].toInt(), 1);

    // The staking table's station column is fixed; the volume grid is read-only.
    GridModel nt(s.nota.sgnt);
    QVERIFY(!nt.setData(nt.index(0, 0), "x"));
    QVERIFY(nt.setData(nt.index(0, 1), "Obra de Arte"));
    QCOMPARE(s.nota.sgnt.Cell(1, 1), std::string("Obra de Arte"));
    GridModel vol(s.project.volgrid);
    QVERIFY(!vol.setData(vol.index(0, 3), "1"));
    QCOMPARE(s.project.volgrid.Cell(3, 1), std::string());
}

void GridModelTest::refreshFollowsRowCountWithoutReset() {
    engine::Session s;
    engine::Grid& g = s.crown.sgab;
    GridModel m(g);
    QSignalSpy reset(&m, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&m, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&m, &QAbstractItemModel::rowsRemoved);
    g.SetRowCount(21);
    g.SetCell(6, 20, "********");
    m.Refresh();
    QCOMPARE(m.rowCount(), 20);
    QCOMPARE(m.index(19, 6).data().toString(), QString("********"));
    g.SetRowCount(1);
    m.Refresh();
    QCOMPARE(m.rowCount(), 0);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(reset.size(), 0);

    // More columns (a project with additional volume columns) start the model over.
    g.SetColCount(9);
    m.Refresh();
    QCOMPARE(m.columnCount(), 9);
    QCOMPARE(reset.size(), 1);
}

void GridModelTest::viewAppliesWidthsHiddenColumnsAndRowHeight() {
    engine::Session s;
    GridView lomb(s.bumps.sglomb);
    QCOMPARE(lomb.objectName(), QString("sglomb"));
    QVERIFY(lomb.isColumnHidden(4));
    QCOMPARE(lomb.verticalHeader()->defaultSectionSize(), 20);
    for (int c : {0, 1, 5, 10}) {
        QVERIFY(!lomb.isColumnHidden(c));
        QVERIFY(lomb.columnWidth(c) >= s.bumps.sglomb.Column(c).width);
        // The title fits.
        const QString title = QString::fromStdString(s.bumps.sglomb.Title(c));
        QVERIFY(lomb.columnWidth(c) > lomb.horizontalHeader()->fontMetrics().horizontalAdvance(title));
    }
    // A column the engine hides later is hidden at the next refresh; a width the
    // user dragged survives refreshes that do not change the grid's width.
    s.bumps.sglomb.Column(7).width = -1;
    lomb.setColumnWidth(2, 140);
    lomb.Refresh();
    QVERIFY(lomb.isColumnHidden(7));
    QCOMPARE(lomb.columnWidth(2), 140);

    // Grids with a fixed first column keep it frozen in a second view.
    GridView nt(s.nota.sgnt);
    QVERIFY(nt.FrozenView());
    QVERIFY(!nt.FrozenView()->isColumnHidden(0));
    QVERIFY(nt.FrozenView()->isColumnHidden(1));
    QVERIFY(!GridView(s.crown.sgab).FrozenView());
}

void GridModelTest::fiveThousandRowsStayFast() {
    engine::Session s;
    engine::Grid& vol = s.project.volgrid;
    const int rows = 6000;
    vol.SetRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r)
        for (int c = 0; c < 32; ++c) vol.SetCell(c, r, std::to_string(r * 100 + c) + ".125");
    QElapsedTimer t;
    t.start();
    GridView view(vol);
    view.resize(1300, 600);
    view.show();
    QCoreApplication::processEvents();
    view.scrollToBottom();
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    QCoreApplication::processEvents();
    view.grab();
    vol.SetRowCount(rows + 501);
    view.Refresh();
    view.grab();
    const qint64 ms = t.elapsed();
    QCOMPARE(view.model()->rowCount(), rows + 500);
    qInfo("show, scroll, paint and refresh of %d rows: %lld ms", rows, static_cast<long long>(ms));
    QVERIFY2(ms < 2000, qPrintable(QString("took %1 ms").arg(ms)));
}

QTEST_MAIN(GridModelTest)
#include "tst_GridModel.moc"
