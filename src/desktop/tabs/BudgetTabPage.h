#pragma once
// "Orçamento": the priced budget, its header texts, the options of the quantities
// it takes, the total cost and the per-kilometre analysis, and the pie chart.
#include "desktop/tabs/TabPage.h"

class QFrame;

namespace desktop {

class BudgetTabPage : public TabPage {
    Q_OBJECT
public:
    BudgetTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host, QWidget* parent = nullptr);

    GridView* sgorc() const { return sgorc_; }
    // The frame that holds the pie chart of the group sub totals.
    QFrame* c1() const { return c1_; }

public slots:
    void Button15Click();
    void Button16Click();
    void Button17Click();
    // A click on one of the four option boxes; the summary is computed again.
    void cbcultClick();
    // The user left the editor of a budget cell; the summary is computed again.
    void sgorcAfterEdit(int col, int row);

private:
    GridView* sgorc_;
    QFrame* c1_;
};

}  // namespace desktop
