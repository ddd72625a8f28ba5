#pragma once
// "Limpeza e Destocamento": clearing areas and trees, measured from the drawing.
#include "desktop/tabs/TabPage.h"

namespace desktop {

class ClearingTabPage : public TabPage {
    Q_OBJECT
public:
    ClearingTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host, QWidget* parent = nullptr);

    GridView* sglimp() const { return sglimp_; }

public slots:
    void Button1Click();
    void Button3Click();

private:
    GridView* sglimp_;
};

}  // namespace desktop
