#pragma once
// "Nota de Serviço": the staking table of every station.
#include "desktop/tabs/TabPage.h"

class QAction;
class QMenu;

namespace desktop {

class ServiceNoteTabPage : public TabPage {
    Q_OBJECT
public:
    ServiceNoteTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host, QWidget* parent = nullptr);

    GridView* sgnt() const { return sgnt_; }
    QMenu* PopupMenu1() const { return popup_; }

public slots:
    void Button10Click();
    void Button11Click();
    // Copies the whole staking table, titles included, as TAB-separated text.
    void CopiarPlanilhaInteira1Click();

private:
    GridView* sgnt_;
    QMenu* popup_;
};

}  // namespace desktop
