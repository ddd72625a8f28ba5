#include "desktop/tabs/SpeedBumpTabPage.h"

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

SpeedBumpTabPage::SpeedBumpTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host,
                                   QWidget* parent)
    : TabPage("tslomb", session, ui, host, parent) {
    auto& t = session.bumps;
    QPushButton* b19 = MakeButton("Button19", "Calcular Lombadas");
    QPushButton* b18 = MakeButton("Button18", "Desenhar no Perfil");
    QPushButton* b20 = MakeButton("Button20", "Abrir Configuração");
    QPushButton* b21 = MakeButton("Button21", "Salvar Configuração");
    QPushButton* b7 = MakeButton("Button7", "Imprimir Relatório");
    connect(b19, &QPushButton::clicked, this, &SpeedBumpTabPage::Button19Click);
    connect(b18, &QPushButton::clicked, this, &SpeedBumpTabPage::Button18Click);
    connect(b20, &QPushButton::clicked, this, &SpeedBumpTabPage::Button20Click);
    connect(b21, &QPushButton::clicked, this, &SpeedBumpTabPage::Button21Click);
    connect(b7, &QPushButton::clicked, this, &SpeedBumpTabPage::Button7Click);
    auto* buttons = ButtonColumn({b19, b18, b20, b21, b7});
    buttons->addStretch(1);
    buttons->addWidget(MakeProgressBar("pb3"));

    const int numberWidth = CharsWide(9);
    // Placement rule and unit values; each device's check box sits on its own line.
    QGridLayout* cg = nullptr;
    QGroupBox* config = MakeGroup("Configuração", cg);
    QLineEdit* e1 = BindEdit("AlignEdit1", t.AlignEdit1, EditKind::Number);
    QLineEdit* e2 = BindEdit("AlignEdit2", t.AlignEdit2, EditKind::Number);
    QLineEdit* e3 = BindEdit("AlignEdit3", t.AlignEdit3, EditKind::Number);
    QLineEdit* e4 = BindEdit("AlignEdit4", t.AlignEdit4, EditKind::Number);
    QLineEdit* e5 = BindEdit("AlignEdit5", t.AlignEdit5, EditKind::Number);
    for (QLineEdit* e : {e1, e2, e3, e4, e5}) e->setFixedWidth(numberWidth);
    auto addLine = [cg](int row, QWidget* lead, const char* label, QLineEdit* box, const char* unit) {
        if (lead) cg->addWidget(lead, row, 0);
        auto* l = new QLabel(QString::fromUtf8(label));
        l->setBuddy(box);
        cg->addWidget(l, row, lead ? 1 : 0, 1, lead ? 1 : 2);
        cg->addWidget(box, row, 2);
        cg->addWidget(new QLabel(QString::fromUtf8(unit)), row, 3);
    };
    addLine(0, nullptr, "Desnível Padrão", e1, "m");
    addLine(1, nullptr, "Distância Mínima", e2, "m");
    addLine(2, BindCheck("CheckBox1", "Calcular Lombadas", t.CheckBox1), "Área", e3, "m2");
    addLine(3, BindCheck("CheckBox2", "Calcular Cx Retenção ", t.CheckBox2), "Vol.", e4, "m3");
    addLine(4, BindCheck("CheckBox3", "Calcular Bigodes", t.CheckBox3), "Vol.", e5, "m3");

    QGridLayout* bg = nullptr;
    QGroupBox* blocks = MakeGroup("Blocos", bg);
    AddBoundField(bg, 0, "Lombada", "Edit13", t.Edit13, EditKind::Text, 10);
    AddBoundField(bg, 1, "Cx Dir", "Edit15", t.Edit15, EditKind::Text, 10);
    AddBoundField(bg, 2, "Cx Esq", "Edit16", t.Edit16, EditKind::Text, 10);
    AddBoundField(bg, 3, "Big Dir", "Edit17", t.Edit17, EditKind::Text, 10);
    AddBoundField(bg, 4, "Big Esq", "Edit18", t.Edit18, EditKind::Text, 10);

    QGridLayout* tg = nullptr;
    QGroupBox* totals = MakeGroup("Totais", tg);
    struct Total {
        const char* label;
        const char* count;
        std::string& countField;
        const char* volume;
        std::string& volumeField;
    };
    const Total totalFields[3] = {{"Lombadas: Qte", "ed1", t.ed1, "ed2", t.ed2},
                                  {"Caixas: Qte", "ed3", t.ed3, "ed4", t.ed4},
                                  {"Bigodes: Qte", "ed5", t.ed5, "ed6", t.ed6}};
    for (int i = 0; i < 3; ++i) {
        QLineEdit* count = BindEdit(totalFields[i].count, totalFields[i].countField, EditKind::Number);
        QLineEdit* volume = BindEdit(totalFields[i].volume, totalFields[i].volumeField, EditKind::Number);
        count->setFixedWidth(CharsWide(8));
        volume->setFixedWidth(CharsWide(12));
        auto* l = new QLabel(QString::fromUtf8(totalFields[i].label));
        l->setBuddy(count);
        tg->addWidget(l, i, 0);
        tg->addWidget(count, i, 1);
        tg->addWidget(new QLabel("Vol"), i, 2);
        tg->addWidget(volume, i, 3);
        tg->addWidget(new QLabel("m3"), i, 4);
    }
    tg->setRowStretch(3, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(buttons);
    top->addSpacing(8);
    top->addWidget(config);
    top->addWidget(blocks);
    top->addWidget(totals);
    top->addStretch(1);

    sglomb_ = MakeGrid(t.sglomb);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(sglomb_, 1);
}

void SpeedBumpTabPage::Button19Click() { RunButton("Button19"); }

void SpeedBumpTabPage::Button18Click() { RunButton("Button18"); }

void SpeedBumpTabPage::Button20Click() { RunButton("Button20"); }

void SpeedBumpTabPage::Button21Click() { RunButton("Button21"); }

void SpeedBumpTabPage::Button7Click() { RunButton("Button7"); }

}  // namespace desktop
