#include "desktop/tabs/CrownTabPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/widgets/GridView.h"

namespace desktop {

CrownTabPage::CrownTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host, QWidget* parent)
    : TabPage("tsabau", session, ui, host, parent) {
    auto& t = session.crown;
    QPushButton* b4 = MakeButton("Button4", "Calcular Abaulamento e revestimento");
    QPushButton* b6 = MakeButton("Button6", "Imprimir Relatório de abaulamento");
    connect(b4, &QPushButton::clicked, this, &CrownTabPage::Button4Click);
    connect(b6, &QPushButton::clicked, this, &CrownTabPage::Button6Click);
    auto* buttons = ButtonColumn({b4, b6});
    buttons->addStretch(1);

    QGridLayout* sg = nullptr;
    QGroupBox* section = MakeGroup("Seção Tipo", sg);
    AddBoundField(sg, 0, "Esp. do Revestimento", "edit1", t.edit1, EditKind::Number, 14);
    AddBoundField(sg, 1, "Inclinação da Seção", "edi", t.edi, EditKind::Number, 14, "%");
    sg->setRowStretch(2, 1);

    QGridLayout* tg = nullptr;
    QGroupBox* totals = MakeGroup("Totais", tg);
    AddBoundField(tg, 0, "Total da área de abaulamento", "edit2", t.edit2, EditKind::Number, 14, "m2");
    AddBoundField(tg, 1, "Total de volume de revestimento", "edit3", t.edit3, EditKind::Number, 14, "m3");
    AddBoundField(tg, 2, "Total área de Offset a Offset", "eao", t.eao, EditKind::Number, 14, "m2");

    auto* top = new QHBoxLayout;
    top->addLayout(buttons);
    top->addSpacing(8);
    top->addWidget(section);
    top->addWidget(totals);
    top->addStretch(1);

    sgab_ = MakeGrid(t.sgab);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(sgab_, 1);
}

void CrownTabPage::Button4Click() { RunButton("Button4"); }

void CrownTabPage::Button6Click() { RunButton("Button6"); }

}  // namespace desktop
