// Start-up (command line, loading the project, what the window shows afterwards)
// and the Qt side of the engine's interaction: boxes, file filters, progress bars.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>
#include <QtTest>

#include "desktop/QtInteraction.h"
#include "desktop/Startup.h"
#include "desktop/TForm1.h"
#include "desktop/widgets/GridView.h"
#include "engine/Errors.h"
#include "engine/session/RecordingInteraction.h"

using desktop::StartupResult;
using engine::LoadOutcome;
using engine::RecordingInteraction;
using engine::Session;

namespace {

// Closes the next modal message box as soon as it is up, keeping what it showed.
struct BoxSeen {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
    bool hasParent = false;
};

void CloseNextBox(BoxSeen& seen) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->windowModality(),
                box->parentWidget() != nullptr};
        box->accept();
        timer->stop();
        timer->deleteLater();
    });
    timer->start();
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data();
    void commandLine();
    void withoutArgumentNothingIsLoaded();
    void loadedProjectIsShown();
    void readerErrorShownAndWindowStillOpens();
    void rejectedProjectEndsTheProgram();
    void nameFilters_data();
    void nameFilters();
    void messageAndErrorBoxes();
    void progressBarsByComponentName();
};

void StartupTest::commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("suite");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("error");
    QTest::newRow("empty") << QStringList{"q"} << "" << "" << false;
    QTest::newRow("file") << QStringList{"q", "/p/Estrada.alg"} << "" << "/p/Estrada.alg" << false;
    QTest::newRow("suite then file") << QStringList{"q", "--suite", "/s", "/p/E.alg"} << "/s" << "/p/E.alg" << false;
    QTest::newRow("only the first file") << QStringList{"q", "/p/A.alg", "/p/B.alg"} << "" << "/p/A.alg" << false;
    QTest::newRow("suite without folder") << QStringList{"q", "--suite"} << "" << "" << true;
}

void StartupTest::commandLine() {
    QFETCH(QStringList, args);
    QFETCH(QString, suite);
    QFETCH(QString, file);
    QFETCH(bool, error);
    const desktop::CommandLine cmd = desktop::ParseCommandLine(args);
    QCOMPARE(QString::fromStdString(cmd.suiteDir), suite);
    QCOMPARE(QString::fromStdString(cmd.alignmentFile), file);
    QCOMPARE(!cmd.error.empty(), error);
}

void StartupTest::withoutArgumentNothingIsLoaded() {
    Session s;
    RecordingInteraction ui;
    bool called = false;
    auto loader = [&](Session&, engine::Interaction&) {
        called = true;
        return LoadOutcome::Loaded;
    };
    desktop::CommandLine cmd;
    cmd.suiteDir = "/opt/telmira";
    QCOMPARE(desktop::LoadAtStartup(s, ui, cmd, loader), StartupResult::Empty);
    QVERIFY(!called);
    QCOMPARE(s.suiteDir, std::string("/opt/telmira"));
    desktop::TForm1 form(s, ui);
    form.ReadSession();
    QCOMPARE(form.windowTitle(), QString("Orçamentos, Relatórios e Notas de Serviço"));
}

void StartupTest::loadedProjectIsShown() {
    Session s;
    RecordingInteraction ui;
    desktop::TForm1 form(s, ui);
    desktop::CommandLine cmd;
    cmd.alignmentFile = "/projetos/Estrada Nova/Estrada-Amostra.alg";
    auto loader = [](Session& session, engine::Interaction&) {
        session.project.volgrid.SetRowCount(11);
        session.project.volgrid.SetCell(0, 10, "9 + 5.000");
        session.budget.Edit8 = "Município de Exemplo";
        session.budget.edit11 = "0.185";
        return LoadOutcome::Loaded;
    };
    QCOMPARE(desktop::LoadAtStartup(s, ui, cmd, loader), StartupResult::Loaded);
    QCOMPARE(s.project.AlignmentFileName, cmd.alignmentFile);
    form.ReadSession();
    QCOMPARE(form.windowTitle(), QString("Relatórios: /projetos/Estrada Nova/Estrada-Amostra.alg"));
    auto* vol = form.findChild<desktop::GridView*>("volgrid");
    QCOMPARE(vol->model()->rowCount(), 10);
    QCOMPARE(vol->model()->index(9, 0).data().toString(), QString("9 + 5.000"));
    QCOMPARE(form.findChild<QLineEdit*>("Edit8")->text(), QString("Município de Exemplo"));
    // A long header line shows from its start, not scrolled to its end.
    QCOMPARE(form.findChild<QLineEdit*>("Edit8")->cursorPosition(), 0);
    QCOMPARE(form.findChild<QLineEdit*>("edit11")->text(), QString("0.185"));
    QVERIFY(ui.calls.empty());
}

void StartupTest::readerErrorShownAndWindowStillOpens() {
    Session s;
    RecordingInteraction ui;
    desktop::CommandLine cmd;
    cmd.alignmentFile = "/projetos/A.alg";
    auto loader = [](Session& session, engine::Interaction&) -> LoadOutcome {
        session.budget.Edit10 = "Trecho lido";
        throw engine::ConversionError("Linha 27 de /projetos/A.alg: \"1.2.3\" não é um número.");
    };
    QCOMPARE(desktop::LoadAtStartup(s, ui, cmd, loader), StartupResult::LoadFailed);
    QCOMPARE(ui.calls.size(), size_t(1));
    QCOMPARE(ui.calls[0].caption, std::string("Erro"));
    QCOMPARE(ui.calls[0].icon, engine::MessageIcon::Error);
    QVERIFY(ui.calls[0].text.find("Linha 27") != std::string::npos);
    desktop::TForm1 form(s, ui);
    form.ReadSession();
    QCOMPARE(form.findChild<QLineEdit*>("Edit10")->text(), QString("Trecho lido"));
    QCOMPARE(form.windowTitle(), QString("Relatórios: /projetos/A.alg"));

    // The real reader with a file that does not exist fails the same way.
    Session s2;
    RecordingInteraction ui2;
    cmd.alignmentFile = QDir::temp().filePath("nao-existe-quantitativos.alg").toStdString();
    QCOMPARE(desktop::LoadAtStartup(s2, ui2, cmd), StartupResult::LoadFailed);
    QCOMPARE(ui2.calls.size(), size_t(1));
    QCOMPARE(ui2.calls[0].caption, std::string("Erro"));
}

void StartupTest::rejectedProjectEndsTheProgram() {
    Session s;
    RecordingInteraction ui;
    desktop::CommandLine cmd;
    cmd.alignmentFile = "/projetos/velho.alg";
    auto loader = [](Session&, engine::Interaction& i) {
        i.ShowErrorBox("Arquivo Inválido", "O Arquivo /projetos/velho.alg é inválido ou de versão anterior.");
        return LoadOutcome::Rejected;
    };
    QCOMPARE(desktop::LoadAtStartup(s, ui, cmd, loader), StartupResult::Rejected);
    QCOMPARE(ui.calls.size(), size_t(1));
    QCOMPARE(ui.calls[0].kind, std::string("error"));
}

void StartupTest::nameFilters_data() {
    QTest::addColumn<QString>("vcl");
    QTest::addColumn<QString>("qt");
    QTest::newRow("speed bumps") << "Arquivos de Configuração de Lombadas (*.clb)|*.clb"
                                 << "Arquivos de Configuração de Lombadas (*.clb)";
    QTest::newRow("description without pattern") << "Orçamento|*.cfo" << "Orçamento (*.cfo)";
    QTest::newRow("two pairs, two patterns") << "Desenhos (*.dxf;*.dwg)|*.dxf;*.dwg|Todos (*.*)|*.*"
                                             << "Desenhos (*.dxf *.dwg);;Todos (*.*)";
    QTest::newRow("empty") << "" << "";
}

void StartupTest::nameFilters() {
    QFETCH(QString, vcl);
    QFETCH(QString, qt);
    QCOMPARE(desktop::QtInteraction::NameFilters(vcl.toStdString()), qt);
}

void StartupTest::messageAndErrorBoxes() {
    desktop::QtInteraction ui;
    QWidget owner;
    ui.SetMainWindow(&owner);
    BoxSeen seen;
    CloseNextBox(seen);
    ui.ShowMessage("Erro de seqüência...", "É necessário calcular o orçamento antes de imprimir",
                   engine::MessageIcon::None, false);
    QCOMPARE(seen.caption, QString("Erro de seqüência..."));
    QCOMPARE(seen.text, QString("É necessário calcular o orçamento antes de imprimir"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!seen.hasParent);

    CloseNextBox(seen);
    ui.ShowMessage("Erro", "falhou", engine::MessageIcon::Error, true);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QVERIFY(seen.hasParent);

    CloseNextBox(seen);
    ui.ShowErrorBox("Arquivo Inválido", "O Arquivo x.alg é inválido ou de versão anterior.");
    QCOMPARE(seen.caption, QString("Arquivo Inválido"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    QVERIFY(!seen.hasParent);
}

void StartupTest::progressBarsByComponentName() {
    Session s;
    desktop::QtInteraction ui;
    desktop::TForm1 form(s, ui);
    ui.SetMainWindow(&form);
    auto* pb1 = form.findChild<QProgressBar*>("pb1");
    QVERIFY(pb1->isHidden());
    ui.ProgressShow("pb1", 21);
    QVERIFY(!pb1->isHidden());
    QCOMPARE(pb1->maximum(), 21);
    ui.ProgressSet("pb1", 2);
    QCOMPARE(pb1->value(), 2);
    ui.ProgressHide("pb1");
    QVERIFY(pb1->isHidden());
    // Another tab's bar is untouched; an unknown name is ignored.
    QVERIFY(form.findChild<QProgressBar*>("pb2")->isHidden());
    ui.ProgressShow("pb9", 10);
}

QTEST_MAIN(StartupTest)
#include "tst_Startup.moc"
