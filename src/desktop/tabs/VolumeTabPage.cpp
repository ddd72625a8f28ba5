#include "desktop/tabs/VolumeTabPage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/widgets/GridView.h"

namespace desktop {

VolumeTabPage::VolumeTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host, QWidget* parent)
    : TabPage("tsvol", session, ui, host, parent) {
    QPushButton* b12 = MakeButton("Button12", "Imprimir Relatório");
    connect(b12, &QPushButton::clicked, this, &VolumeTabPage::Button12Click);
    volgrid_ = MakeGrid(session.project.volgrid);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(b12);
    buttons->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(buttons);
    page->addWidget(volgrid_, 1);
}

void VolumeTabPage::Button12Click() { RunButton("Button12"); }

}  // namespace desktop
