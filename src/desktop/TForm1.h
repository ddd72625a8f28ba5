#pragma once
// The main window: one tab per work item over the session, the main menu, and the
// one place where a handler's error becomes a message box.
#include <vector>

#include <QMainWindow>

#include "desktop/HandlerHost.h"
#include "engine/session/Interaction.h"
#include "engine/session/Session.h"

class QAction;
class QTabWidget;

namespace desktop {

class BudgetTabPage;
class DrawingController;
class ClearingTabPage;
class CrownTabPage;
class DrainageTabPage;
class GridView;
class ServiceNoteTabPage;
class SpeedBumpTabPage;
class TabPage;
class VolumeTabPage;

inline constexpr const char* kMainCaption = "Orçamentos, Relatórios e Notas de Serviço";
inline constexpr const char* kProjectCaptionPrefix = "Relatórios: ";
inline constexpr const char* kErrorCaption = "Erro";

class TForm1 : public QMainWindow, public HandlerHost {
    Q_OBJECT
public:
    TForm1(engine::Session& session, engine::Interaction& ui, QWidget* parent = nullptr);

    void RunHandler(const std::function<void()>& work) override;

    // Every tab shows the session again, and the caption follows the project.
    void ReadSession();

    QTabWidget* PageControl1() const { return pageControl_; }
    ServiceNoteTabPage* tsnota() const { return tsnota_; }
    VolumeTabPage* tsvol() const { return tsvol_; }
    CrownTabPage* tsabau() const { return tsabau_; }
    ClearingTabPage* tslimp() const { return tslimp_; }
    SpeedBumpTabPage* tslomb() const { return tslomb_; }
    DrainageTabPage* tsdren() const { return tsdren_; }
    BudgetTabPage* tsresum() const { return tsresum_; }
    GridView* estgrid() const { return estgrid_; }
    // The drawing workspace, its window and the "Desenho" menu.
    DrawingController* Drawing() const { return drawing_; }

public slots:
    // The active tab changed: "Configurar" belongs to the budget tab only.
    void PageControl1Change(int index);
    void Salvar1Click();
    void Sair1Click();
    void Oramento1Click();
    void Sobre1Click();
    void Histrico1Click();

protected:
    // Additions to the drawing not yet saved are not let go without asking.
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenu();
    void updateCaption();

    engine::Session& session_;
    engine::Interaction& ui_;
    QTabWidget* pageControl_;
    ServiceNoteTabPage* tsnota_;
    VolumeTabPage* tsvol_;
    CrownTabPage* tsabau_;
    ClearingTabPage* tslimp_;
    SpeedBumpTabPage* tslomb_;
    DrainageTabPage* tsdren_;
    BudgetTabPage* tsresum_;
    GridView* estgrid_;
    std::vector<TabPage*> tabs_;
    QAction* oramento1_ = nullptr;
    DrawingController* drawing_ = nullptr;
};

}  // namespace desktop
