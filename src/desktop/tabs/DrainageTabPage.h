#pragma once
// "Drenagem": culverts marked in the drawing, their excavation and backfill, and
// the lateral ditches.
#include "desktop/tabs/TabPage.h"

namespace desktop {

class DrainageTabPage : public TabPage {
    Q_OBJECT
public:
    DrainageTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host, QWidget* parent = nullptr);

    GridView* sgdren() const { return sgdren_; }

public slots:
    void Button8Click();
    void Button2Click();
    void Button14Click();
    void Button13Click();
    void Button9Click();

private:
    GridView* sgdren_;
};

}  // namespace desktop
