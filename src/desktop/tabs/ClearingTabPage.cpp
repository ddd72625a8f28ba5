#include "desktop/tabs/ClearingTabPage.h"

#include <QCheckBox>
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

ClearingTabPage::ClearingTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host, QWidget* parent)
    : TabPage("tslimp", session, ui, host, parent) {
    auto& t = session.clearing;
    QPushButton* b1 = MakeButton("Button1", "Calcular Limpeza e Destocamento");
    QPushButton* b3 = MakeButton("Button3", "Imprimir Relatório");
    connect(b1, &QPushButton::clicked, this, &ClearingTabPage::Button1Click);
    connect(b3, &QPushButton::clicked, this, &ClearingTabPage::Button3Click);
    auto* buttons = ButtonColumn({b1, b3});
    buttons->addStretch(1);
    buttons->addWidget(MakeProgressBar("pb1"));

    QGridLayout* lg = nullptr;
    QGroupBox* layers = MakeGroup("Desenho", lg);
    AddBoundField(lg, 0, "Layer do Destocamento", "Edit4", t.Edit4, EditKind::Text, 14);
    AddBoundField(lg, 1, "Layer da Limpeza", "Edit7", t.Edit7, EditKind::Text, 14);
    AddBoundField(lg, 2, "Layer do bordo existente", "edit12", t.edit12, EditKind::Text, 14);
    AddBoundField(lg, 3, "Comprimento da Linha de Pesquisa", "lped", t.lped, EditKind::Number, 14, "m");
    // Tools for checking the search geometry in the drawing; never shown to the user.
    BindCheck("cb1", "Desenhar Área de Pesquisa do Destocamento", t.cb1)->hide();
    BindCheck("cb2", "Desenhar linha de pesquisa da limpeza", t.cb2)->hide();
    BindCheck("cb3", "Desenhar área de pesquisa da cultura", t.cb3)->hide();

    // The totals stand under the titles of the grid columns they add up.
    QGridLayout* tg = nullptr;
    QGroupBox* totals = MakeGroup("Total ", tg);
    const char* titles[3] = {"Área Limp Cultura (m2)", "Área Limpeza Mato (m2)", "Destocamento"};
    QLineEdit* boxes[3] = {BindEdit("AlignEdit6", t.AlignEdit6, EditKind::Number),
                           BindEdit("edit5", t.edit5, EditKind::Number),
                           BindEdit("edit6", t.edit6, EditKind::Number)};
    for (int i = 0; i < 3; ++i) {
        auto* title = new QLabel(QString::fromUtf8(titles[i]));
        title->setBuddy(boxes[i]);
        boxes[i]->setFixedWidth(CharsWide(16));
        tg->addWidget(title, 0, i);
        tg->addWidget(boxes[i], 1, i);
    }
    tg->setRowStretch(2, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(buttons);
    top->addSpacing(8);
    top->addWidget(layers);
    top->addWidget(totals);
    top->addStretch(1);

    sglimp_ = MakeGrid(t.sglimp);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(sglimp_, 1);
}

void ClearingTabPage::Button1Click() { RunButton("Button1"); }

void ClearingTabPage::Button3Click() { RunButton("Button3"); }

}  // namespace desktop
