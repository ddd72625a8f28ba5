#pragma once
// "Volume de Terraplenagem": the earthwork volumes as the project file gives them.
#include "desktop/tabs/TabPage.h"

namespace desktop {

class VolumeTabPage : public TabPage {
    Q_OBJECT
public:
    VolumeTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host, QWidget* parent = nullptr);

    GridView* volgrid() const { return volgrid_; }

public slots:
    void Button12Click();

private:
    GridView* volgrid_;
};

}  // namespace desktop
