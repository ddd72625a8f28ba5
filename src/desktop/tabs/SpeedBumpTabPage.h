#pragma once
// "Lombadas, Caixas de Retenção e  Bigodes": speed bumps along the grade line and
// the retention boxes and outlets at the roadside.
#include "desktop/tabs/TabPage.h"

namespace desktop {

class SpeedBumpTabPage : public TabPage {
    Q_OBJECT
public:
    SpeedBumpTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host, QWidget* parent = nullptr);

    GridView* sglomb() const { return sglomb_; }

public slots:
    void Button19Click();
    void Button18Click();
    void Button20Click();
    void Button21Click();
    void Button7Click();

private:
    GridView* sglomb_;
};

}  // namespace desktop
