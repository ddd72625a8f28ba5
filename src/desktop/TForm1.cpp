#include "desktop/TForm1.h"

#include <exception>

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "desktop/drawing/DrawingController.h"
#include "desktop/tabs/BudgetTabPage.h"
#include "desktop/tabs/ClearingTabPage.h"
#include "desktop/tabs/CrownTabPage.h"
#include "desktop/tabs/DrainageTabPage.h"
#include "desktop/tabs/ServiceNoteTabPage.h"
#include "desktop/tabs/SpeedBumpTabPage.h"
#include "desktop/tabs/VolumeTabPage.h"
#include "desktop/widgets/GridView.h"

namespace desktop {

TForm1::TForm1(engine::Session& session, engine::Interaction& ui, QWidget* parent)
    : QMainWindow(parent), session_(session), ui_(ui) {
    setObjectName("Form1");
    resize(1024, 700);

    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName("PageControl1");
    pageControl_->setDocumentMode(true);
    pageControl_->tabBar()->setExpanding(false);
    pageControl_->tabBar()->setElideMode(Qt::ElideNone);
    pageControl_->tabBar()->setUsesScrollButtons(true);

    tsnota_ = new ServiceNoteTabPage(session, ui, *this);
    tsvol_ = new VolumeTabPage(session, ui, *this);
    tsabau_ = new CrownTabPage(session, ui, *this);
    tslimp_ = new ClearingTabPage(session, ui, *this);
    tslomb_ = new SpeedBumpTabPage(session, ui, *this);
    tsdren_ = new DrainageTabPage(session, ui, *this);
    tsresum_ = new BudgetTabPage(session, ui, *this);
    tabs_ = {tsnota_, tsvol_, tsabau_, tslimp_, tslomb_, tsdren_, tsresum_};
    pageControl_->addTab(tsnota_, QString::fromUtf8("Nota de Serviço"));
    pageControl_->addTab(tsvol_, QString::fromUtf8("Volume de Terraplenagem"));
    pageControl_->addTab(tsabau_, QString::fromUtf8("Abaulamento do Leito e Revestimento Primário"));
    pageControl_->addTab(tslimp_, QString::fromUtf8("Limpeza e Destocamento"));
    pageControl_->addTab(tslomb_, QString::fromUtf8("Lombadas, Caixas de Retenção e  Bigodes"));
    pageControl_->addTab(tsdren_, QString::fromUtf8("Drenagem"));
    pageControl_->addTab(tsresum_, QString::fromUtf8("Orçamento"));

    // The station grid is working data of the calculators: its tab exists, disabled
    // and never shown.
    auto* tsaux = new QWidget;
    tsaux->setObjectName("tsaux");
    estgrid_ = new GridView(session.project.estgrid, tsaux);
    (new QVBoxLayout(tsaux))->addWidget(estgrid_);
    const int aux = pageControl_->addTab(tsaux, "AUX");
    pageControl_->setTabEnabled(aux, false);
    pageControl_->setTabVisible(aux, false);

    pageControl_->setCurrentIndex(0);
    connect(pageControl_, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    setCentralWidget(pageControl_);
    statusBar()->setSizeGripEnabled(true);

    drawing_ = new DrawingController(this, ui_);
    buildMenu();
    PageControl1Change(pageControl_->currentIndex());
    updateCaption();
}

void TForm1::buildMenu() {
    QMenu* arquivo = menuBar()->addMenu(QString::fromUtf8("Arquivo"));
    arquivo->setObjectName("Arquivos1");
    QAction* salvar = arquivo->addAction(QString::fromUtf8("Salvar"), this, &TForm1::Salvar1Click);
    salvar->setObjectName("Salvar1");
    QAction* sair = arquivo->addAction(QString::fromUtf8("Sair"), this, &TForm1::Sair1Click);
    sair->setObjectName("Sair1");

    drawing_->InstallMenu(menuBar());

    oramento1_ = menuBar()->addAction(QString::fromUtf8("Configurar"), this, &TForm1::Oramento1Click);
    oramento1_->setObjectName("Oramento1");
    oramento1_->setEnabled(false);

    QMenu* sobre = menuBar()->addMenu(QString::fromUtf8("Sobre"));
    sobre->setObjectName("Sobrea1");
    QAction* sobre1 = sobre->addAction(QString::fromUtf8("Sobre"), this, &TForm1::Sobre1Click);
    sobre1->setObjectName("Sobre1");
    QAction* historico = sobre->addAction(QString::fromUtf8("Histórico"), this, &TForm1::Histrico1Click);
    historico->setObjectName("Histrico1");
}

void TForm1::updateCaption() {
    const std::string& file = session_.project.AlignmentFileName;
    setWindowTitle(file.empty() ? QString::fromUtf8(kMainCaption)
                                : QString::fromUtf8(kProjectCaptionPrefix) + QString::fromStdString(file));
}

void TForm1::ReadSession() {
    for (TabPage* t : tabs_) t->ReadSession();
    estgrid_->Refresh();
    updateCaption();
}

void TForm1::RunHandler(const std::function<void()>& work) {
    // An error ends the handler where it arose; what it wrote stays and is shown.
    std::string error;
    try {
        work();
    } catch (const std::exception& e) {
        error = e.what();
    } catch (...) {
        error = "Erro inesperado.";
    }
    ReadSession();
    if (!error.empty()) ui_.ShowMessage(kErrorCaption, error, engine::MessageIcon::Error, true);
}

void TForm1::PageControl1Change(int index) {
    if (oramento1_) oramento1_->setEnabled(pageControl_->widget(index) == tsresum_);
}

// Saving the quantity report file comes with the report file itself.
void TForm1::Salvar1Click() {}

void TForm1::Sair1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* e) {
    if (drawing_ && !drawing_->ConfirmRelease()) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
}

// The budget configuration window comes with the service catalogue.
void TForm1::Oramento1Click() {}

// The About box and the update history come with their windows.
void TForm1::Sobre1Click() {}

void TForm1::Histrico1Click() {}

}  // namespace desktop
