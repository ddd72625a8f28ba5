#include "desktop/tabs/DrainageTabPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/widgets/GridView.h"

namespace desktop {

DrainageTabPage::DrainageTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host, QWidget* parent)
    : TabPage("tsdren", session, ui, host, parent) {
    auto& t = session.drainage;
    QPushButton* b8 = MakeButton("Button8", "Calcular Drenagem");
    QPushButton* b2 = MakeButton("Button2", "Selecionar Bueiros em Planta (Pontos)");
    QPushButton* b13 = MakeButton("Button13", "Selecionar Bueiros no perfil (Blocos)");
    QPushButton* b14 = MakeButton("Button14", "Desenhar Bueiros no Perfil (Blocos)");
    QPushButton* b9 = MakeButton("Button9", "Imprimir Relatório");
    connect(b8, &QPushButton::clicked, this, &DrainageTabPage::Button8Click);
    connect(b2, &QPushButton::clicked, this, &DrainageTabPage::Button2Click);
    connect(b13, &QPushButton::clicked, this, &DrainageTabPage::Button13Click);
    connect(b14, &QPushButton::clicked, this, &DrainageTabPage::Button14Click);
    connect(b9, &QPushButton::clicked, this, &DrainageTabPage::Button9Click);
    // Selections first, then the calculation, the drawing and the report.
    auto* buttons = ButtonColumn({b2, b13, b8, b14, b9});
    buttons->addStretch(1);
    buttons->addWidget(MakeProgressBar("pb2"));

    QGridLayout* dg = nullptr;
    QGroupBox* drawing = MakeGroup("Desenho", dg);
    AddBoundField(dg, 0, "Layer dos Pontos BSTC0.40", "b4", t.b4, EditKind::Text, 12);
    AddBoundField(dg, 1, "Layer dos Pontos BSTC0.60", "b6", t.b6, EditKind::Text, 12);
    AddBoundField(dg, 2, "Bloco BSTC0.40", "bl4", t.bl4, EditKind::Text, 12);
    AddBoundField(dg, 3, "Bloco BSTC0.60", "bl6", t.bl6, EditKind::Text, 12);
    dg->setRowStretch(4, 1);

    // Each total is named after the grid column it adds up.
    QGridLayout* tg = nullptr;
    QGroupBox* totals = MakeGroup("TOTAIS", tg);
    AddBoundField(tg, 0, "BSTC 0.40 (m)", "tb4", t.tb4, EditKind::Number, 14);
    AddBoundField(tg, 1, "BSTC 0.60 (m)", "tb6", t.tb6, EditKind::Number, 14);
    AddBoundField(tg, 2, "Vol. Esc. Bueiros (m3)", "tvb", t.tvb, EditKind::Number, 14);
    AddBoundField(tg, 3, "Vol. Reaterro (m3)", "tvr", t.tvr, EditKind::Number, 14);
    AddBoundField(tg, 4, "Vol. Vala Lat (m3)", "tvv", t.tvv, EditKind::Number, 14);

    auto* top = new QHBoxLayout;
    top->addLayout(buttons);
    top->addSpacing(8);
    top->addWidget(drawing);
    top->addWidget(totals);
    top->addStretch(1);

    sgdren_ = MakeGrid(t.sgdren);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(sgdren_, 1);
}

void DrainageTabPage::Button8Click() { RunButton("Button8"); }

void DrainageTabPage::Button2Click() { RunButton("Button2"); }

void DrainageTabPage::Button14Click() { RunButton("Button14"); }

void DrainageTabPage::Button13Click() { RunButton("Button13"); }

void DrainageTabPage::Button9Click() { RunButton("Button9"); }

}  // namespace desktop
