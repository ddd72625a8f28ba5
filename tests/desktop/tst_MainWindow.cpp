// The main window: tabs, menus, buttons and their sequence checks, the bound boxes,
// the one error path of every handler, and the copy of the staking table.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "desktop/TForm1.h"
#include "desktop/tabs/ServiceNoteTabPage.h"
#include "desktop/widgets/GridView.h"
#include "engine/Errors.h"
#include "engine/session/RecordingInteraction.h"

using engine::RecordingInteraction;
using engine::Session;

namespace {

const char* const kNeedNote = "É necessário calcular a nota de serviço antes de executar esta função";

// A project of 20 stations: volgrid has its title row and 20 station rows, while the
// result grids still have their design-time 5 rows.
void TwentyStations(Session& s) { s.project.volgrid.SetRowCount(21); }

void ComputeAllQuantities(Session& s) {
    for (engine::Grid* g : {&s.nota.sgnt, &s.crown.sgab, &s.clearing.sglimp, &s.bumps.sglomb, &s.drainage.sgdren})
        g->SetRowCount(s.project.volgrid.RowCount());
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void tabsInOrderAndAuxHidden();
    void menusAndConfigurarOnBudgetTabOnly();
    void everyButtonHasItsCaptionAndCheck_data();
    void everyButtonHasItsCaptionAndCheck();
    void printBudgetNeedsTheBudget();
    void handlerErrorShownOnceAndGridsKeepWhatWasWritten();
    void boxesWriteIntoTheSessionAndFollowIt();
    void copyWholeServiceNote();
};

void MainWindowTest::tabsInOrderAndAuxHidden() {
    Session s;
    RecordingInteraction ui;
    desktop::TForm1 form(s, ui);
    QCOMPARE(form.windowTitle(), QString("Orçamentos, Relatórios e Notas de Serviço"));

    QTabWidget* pc = form.PageControl1();
    QCOMPARE(pc->objectName(), QString("PageControl1"));
    QStringList visible;
    QStringList names;
    for (int i = 0; i < pc->count(); ++i) {
        names << pc->widget(i)->objectName();
        if (pc->isTabVisible(i)) visible << pc->tabText(i);
    }
    const QStringList expected = {"Nota de Serviço",
                                  "Volume de Terraplenagem",
                                  "Abaulamento do Leito e Revestimento Primário",
                                  "Limpeza e Destocamento",
                                  "Lombadas, Caixas de Retenção e  Bigodes",
                                  "Drenagem",
                                  "Orçamento"};
    QCOMPARE(visible, expected);
    QCOMPARE(names, QStringList({"tsnota", "tsvol", "tsabau", "tslimp", "tslomb", "tsdren", "tsresum", "tsaux"}));
    QCOMPARE(pc->currentIndex(), 0);

    const int aux = pc->count() - 1;
    QCOMPARE(pc->tabText(aux), QString("AUX"));
    QVERIFY(!pc->isTabVisible(aux));
    QVERIFY(!pc->isTabEnabled(aux));
    auto* estgrid = pc->widget(aux)->findChild<desktop::GridView*>("estgrid");
    QVERIFY(estgrid);
    QCOMPARE(&estgrid->Grid(), &s.project.estgrid);

    // Without a project the grids keep their design-time rows: 5 (4 below the titles), sgorc 2.
    for (const char* name : {"sgnt", "volgrid", "sgab", "sglimp", "sglomb", "sgdren"})
        QCOMPARE(form.findChild<desktop::GridView*>(name)->model()->rowCount(), 4);
    QCOMPARE(form.findChild<desktop::GridView*>("sgorc")->model()->rowCount(), 1);
    // "Distância" of the speed-bump grid is hidden from the start.
    QVERIFY(form.findChild<desktop::GridView*>("sglomb")->isColumnHidden(4));
}

void MainWindowTest::menusAndConfigurarOnBudgetTabOnly() {
    Session s;
    RecordingInteraction ui;
    desktop::TForm1 form(s, ui);
    // The window's own entries, in this order (other windows may add theirs between).
    QStringList top;
    for (QAction* a : form.menuBar()->actions())
        if (QStringList({"Arquivo", "Configurar", "Sobre"}).contains(a->text())) top << a->text();
    QCOMPARE(top, QStringList({"Arquivo", "Configurar", "Sobre"}));
    auto texts = [&](const char* menu) {
        QStringList out;
        for (QAction* a : form.findChild<QMenu*>(menu)->actions()) out << a->text();
        return out;
    };
    QCOMPARE(texts("Arquivos1"), QStringList({"Salvar", "Sair"}));
    QCOMPARE(texts("Sobrea1"), QStringList({"Sobre", "Histórico"}));

    QAction* configurar = form.findChild<QAction*>("Oramento1");
    QVERIFY(configurar);
    QVERIFY(!configurar->isEnabled());
    const bool expected[7] = {false, false, false, false, false, false, true};
    // Forward over every tab, then back from the budget tab to another.
    for (int i = 0; i < 7; ++i) {
        form.PageControl1()->setCurrentIndex(i);
        QCOMPARE(configurar->isEnabled(), expected[i]);
    }
    form.PageControl1()->setCurrentIndex(1);
    QVERIFY(!configurar->isEnabled());
}

void MainWindowTest::everyButtonHasItsCaptionAndCheck_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");  // empty: no sequence message
    const QString note = kNeedNote;
    const QString quantities = "É necessário calcular todos os quantitativos antes de executar o orçamento ";
    const QString quantitiesPrint =
        "É necessário calcular todos os quantitativos antes de imprimir o relatório de orçamento ";
    QTest::newRow("Button11") << "Button11" << "tsnota" << "Imprimir Relatório" << note;
    QTest::newRow("Button12") << "Button12" << "tsvol" << "Imprimir Relatório" << "";
    QTest::newRow("Button4") << "Button4" << "tsabau" << "Calcular Abaulamento e revestimento" << note;
    QTest::newRow("Button6") << "Button6" << "tsabau" << "Imprimir Relatório de abaulamento" << note;
    QTest::newRow("Button1") << "Button1" << "tslimp" << "Calcular Limpeza e Destocamento" << note;
    QTest::newRow("Button3") << "Button3" << "tslimp" << "Imprimir Relatório" << note;
    QTest::newRow("Button19") << "Button19" << "tslomb" << "Calcular Lombadas" << note;
    QTest::newRow("Button18") << "Button18" << "tslomb" << "Desenhar no Perfil" << "";
    QTest::newRow("Button20") << "Button20" << "tslomb" << "Abrir Configuração" << "";
    QTest::newRow("Button21") << "Button21" << "tslomb" << "Salvar Configuração" << "";
    QTest::newRow("Button7") << "Button7" << "tslomb" << "Imprimir Relatório" << note;
    QTest::newRow("Button8") << "Button8" << "tsdren" << "Calcular Drenagem" << note;
    QTest::newRow("Button2") << "Button2" << "tsdren" << "Selecionar Bueiros em Planta (Pontos)" << "";
    QTest::newRow("Button14") << "Button14" << "tsdren" << "Desenhar Bueiros no Perfil (Blocos)" << "";
    QTest::newRow("Button13") << "Button13" << "tsdren" << "Selecionar Bueiros no perfil (Blocos)" << "";
    QTest::newRow("Button9") << "Button9" << "tsdren" << "Imprimir Relatório" << note;
    QTest::newRow("Button15") << "Button15" << "tsresum" << "Calcular Orçamento" << quantities;
    QTest::newRow("Button16") << "Button16" << "tsresum" << "Imprimir Orçamento" << quantitiesPrint;
    QTest::newRow("Button17") << "Button17" << "tsresum" << "Imprimir Quantitativos" << quantitiesPrint;
}

// With 20 stations and nothing computed, each button shows its own check's message
// (plain box, no owner, no icon) and changes nothing.
void MainWindowTest::everyButtonHasItsCaptionAndCheck() {
    QFETCH(QString, button);
    QFETCH(QString, tab);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    Session s;
    TwentyStations(s);
    RecordingInteraction ui;
    desktop::TForm1 form(s, ui);
    auto* b = form.findChild<QPushButton*>(button);
    QVERIFY(b);
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->parentWidget()->objectName(), tab);
    b->click();
    if (message.isEmpty()) {
        QVERIFY(ui.calls.empty());
        return;
    }
    QCOMPARE(ui.calls.size(), size_t(1));
    const auto& c = ui.calls[0];
    QCOMPARE(c.kind, std::string("message"));
    QCOMPARE(QString::fromStdString(c.caption), QString("Erro de seqüência..."));
    QCOMPARE(QString::fromStdString(c.text), message);
    QCOMPARE(c.icon, engine::MessageIcon::None);
    QVERIFY(!c.owned);
    QCOMPARE(s.crown.sgab.RowCount(), 5);
}

void MainWindowTest::printBudgetNeedsTheBudget() {
    Session s;
    TwentyStations(s);
    ComputeAllQuantities(s);
    RecordingInteraction ui;
    desktop::TForm1 form(s, ui);
    form.findChild<QPushButton*>("Button16")->click();
    QCOMPARE(ui.calls.size(), size_t(1));
    QCOMPARE(QString::fromStdString(ui.calls[0].text), QString("É necessário calcular o orçamento antes de imprimir"));
    // Button15 passes its check now: no message.
    form.findChild<QPushButton*>("Button15")->click();
    QCOMPARE(ui.calls.size(), size_t(1));
}

void MainWindowTest::handlerErrorShownOnceAndGridsKeepWhatWasWritten() {
    Session s;
    RecordingInteraction ui;
    desktop::TForm1 form(s, ui);
    auto* sgab = form.findChild<desktop::GridView*>("sgab");
    form.RunHandler([&] {
        s.crown.sgab.SetRowCount(8);
        s.crown.sgab.SetCell(0, 1, "0");
        s.crown.edit2 = "12.500";
        throw engine::ConversionError("\"abc\" não é um número válido.");
    });
    QCOMPARE(ui.calls.size(), size_t(1));
    QCOMPARE(ui.calls[0].kind, std::string("message"));
    QCOMPARE(ui.calls[0].caption, std::string("Erro"));
    QCOMPARE(ui.calls[0].icon, engine::MessageIcon::Error);
    QCOMPARE(QString::fromStdString(ui.calls[0].text), QString("\"abc\" não é um número válido."));
    // What the handler wrote before the error is shown.
    QCOMPARE(sgab->model()->rowCount(), 7);
    QCOMPARE(sgab->model()->index(0, 0).data().toString(), QString("0"));
    QCOMPARE(form.findChild<QLineEdit*>("edit2")->text(), QString("12.500"));

    // "Calcular Nota de Serviço" goes through the same path: whatever the engine did
    // (an error or a new table), the view shows the grid as it stands.
    ui.calls.clear();
    form.findChild<QPushButton*>("Button10")->click();
    for (const auto& c : ui.calls) QCOMPARE(c.caption, std::string("Erro"));
    QCOMPARE(form.findChild<desktop::GridView*>("sgnt")->model()->rowCount(), s.nota.sgnt.RowCount() - 1);
}

void MainWindowTest::boxesWriteIntoTheSessionAndFollowIt() {
    Session s;
    RecordingInteraction ui;
    desktop::TForm1 form(s, ui);

    // Default texts come from the session.
    const std::pair<const char*, const char*> defaults[] = {
        {"edi", "3.0"},       {"Edit4", "ARVORE"},  {"Edit7", "MATA"},      {"edit12", "BORDO"},
        {"lped", "40"},       {"AlignEdit1", "2.00"}, {"AlignEdit2", "35.00"}, {"AlignEdit3", "3.50"},
        {"AlignEdit4", "2.00"}, {"AlignEdit5", "35.00"}, {"Edit13", "LOMBADA"}, {"Edit15", "CXDIR"},
        {"Edit16", "CXESQ"},  {"Edit17", "BIGDIR"}, {"Edit18", "BIGESQ"},   {"b4", "BUEIRO2"},
        {"b6", "BUEIRO"},     {"bl4", "BSTC40"},    {"bl6", "BSTC60"},      {"edit14", "01/11/1999"}};
    for (const auto& [name, text] : defaults) {
        auto* e = form.findChild<QLineEdit*>(name);
        QVERIFY2(e, name);
        QCOMPARE(e->text(), QString(text));
    }

    auto* lped = form.findChild<QLineEdit*>("lped");
    lped->selectAll();
    QTest::keyClicks(lped, "55");
    QCOMPARE(s.clearing.lped, std::string("55"));
    auto* edit8 = form.findChild<QLineEdit*>("Edit8");
    QTest::keyClicks(edit8, "Sao Jose");
    edit8->insert("é");  // typed accents arrive as text, kept as UTF-8
    QCOMPARE(s.budget.Edit8, std::string("Sao Joseé"));
    QVERIFY(form.findChild<QLineEdit*>("edit14")->isReadOnly());

    auto* aterro = form.findChild<QCheckBox*>("CheckBox5");
    QCOMPARE(aterro->text(), QString("Aterro"));
    aterro->click();
    QVERIFY(s.budget.CheckBox5);

    // The engine writes, the tab shows it after the next read.
    s.drainage.tvv = "123.400";
    s.budget.Label40 = "1.66";
    form.ReadSession();
    QCOMPARE(form.findChild<QLineEdit*>("tvv")->text(), QString("123.400"));
    QCOMPARE(form.findChild<QLabel*>("Label40")->text(), QString("1.66"));

    // Hidden helpers of the clearing tab and idle progress bars are never shown.
    for (const char* cb : {"cb1", "cb2", "cb3"}) QVERIFY(form.findChild<QCheckBox*>(cb)->isHidden());
    for (const char* pb : {"pb1", "pb2", "pb3"}) QVERIFY(form.findChild<QProgressBar*>(pb)->isHidden());
    QVERIFY(form.findChild<QWidget*>("c1"));
}

// The whole table, titles included, columns 0 to 21 only; then the selection shrinks
// to the cell that was its top-left corner.
void MainWindowTest::copyWholeServiceNote() {
    Session s;
    engine::Grid& g = s.nota.sgnt;
    g.SetRowCount(3);
    g.SetCell(0, 1, "0");
    g.SetCell(1, 1, "101.250");
    g.SetCell(21, 2, "7000.5");
    g.SetCell(22, 1, "-3.500");  // hidden platform edge: not copied
    RecordingInteraction ui;
    desktop::TForm1 form(s, ui);
    form.ReadSession();
    auto* view = form.tsnota()->sgnt();
    view->selectionModel()->select(QItemSelection(view->model()->index(0, 3), view->model()->index(1, 5)),
                                   QItemSelectionModel::ClearAndSelect);

    QAction* copy = form.findChild<QAction*>("CopiarPlanilhaInteira1");
    QVERIFY(copy);
    QCOMPARE(copy->text(), QString("Copiar Planilha Inteira"));
    copy->trigger();

    const QString text = QGuiApplication::clipboard()->text();
    const QStringList lines = text.split("\r\n");
    QCOMPARE(lines.size(), 4);  // three rows, each ended by CR LF
    QVERIFY(lines[3].isEmpty());
    for (int i = 0; i < 3; ++i) QCOMPARE(lines[i].count('\t'), 22);
    QVERIFY(lines[0].startsWith("Estaca\tCota Offset E\t"));
    QVERIFY(lines[0].endsWith("Offset D (CE)\t"));
    QVERIFY(lines[1].startsWith("0\t101.250\t"));
    QVERIFY(lines[2].endsWith("\t7000.5\t"));
    QVERIFY(!text.contains("-3.500"));

    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected[0].row(), 0);
    QCOMPARE(selected[0].column(), 3);
}

QTEST_MAIN(MainWindowTest)
#include "tst_MainWindow.moc"
