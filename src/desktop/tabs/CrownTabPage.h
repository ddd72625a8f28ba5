#pragma once
// "Abaulamento do Leito e Revestimento Primário": crown area and gravel surfacing.
#include "desktop/tabs/TabPage.h"

namespace desktop {

class CrownTabPage : public TabPage {
    Q_OBJECT
public:
    CrownTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host, QWidget* parent = nullptr);

    GridView* sgab() const { return sgab_; }

public slots:
    void Button4Click();
    void Button6Click();

private:
    GridView* sgab_;
};

}  // namespace desktop
