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
    struct Field {
        const char* name;
        const char* label;
        std::string& field;
    };
    const Field drawingFields[4] = {{"b4", "Layer dos Pontos BSTC0.40", t.b4},
                                    {"b6", "Layer dos Pontos BSTC0.60", t.b6},
                                    {"bl4", "Bloco BSTC0.40", t.bl4},
                                    {"bl6", "Bloco BSTC0.60", t.bl6}};
    for (int i = 0; i < 4; ++i) {
        QLineEdit* e = BindEdit(drawingFields[i].name, drawingFields[i].field);
        e->setFixedWidth(CharsWide(12));
        AddField(dg, i, drawingFields[i].label, e);
    }
    dg->setRowStretch(4, 1);

    // Each total is named after the grid column it adds up.
    QGridLayout* tg = nullptr;
    QGroupBox* totals = MakeGroup("TOTAIS", tg);
    const Field totalFields[5] = {{"tb4", "BSTC 0.40 (m)", t.tb4},
                                  {"tb6", "BSTC 0.60 (m)", t.tb6},
                                  {"tvb", "Vol. Esc. Bueiros (m3)", t.tvb},
                                  {"tvr", "Vol. Reaterro (m3)", t.tvr},
                                  {"tvv", "Vol. Vala Lat (m3)", t.tvv}};
    for (int i = 0; i < 5; ++i) {
        QLineEdit* e = BindEdit(totalFields[i].name, totalFields[i].field, EditKind::Number);
        e->setFixedWidth(CharsWide(14));
        AddField(tg, i, totalFields[i].label, e);
    }

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
