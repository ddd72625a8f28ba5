#include "desktop/tabs/BudgetTabPage.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/widgets/GridView.h"

namespace desktop {
namespace {

QLabel* Bold(QLabel* l) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel* Text(const char* text) { return new QLabel(QString::fromUtf8(text)); }

}  // namespace

BudgetTabPage::BudgetTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host, QWidget* parent)
    : TabPage("tsresum", session, ui, host, parent) {
    auto& t = session.budget;

    // Header texts of every report, the extension and the price base.
    QGridLayout* hg = nullptr;
    QGroupBox* header = MakeGroup("Identificação", hg);
    QLineEdit* edit8 = BindEdit("Edit8", t.Edit8);
    QLineEdit* edit9 = BindEdit("Edit9", t.Edit9);
    QLineEdit* edit10 = BindEdit("Edit10", t.Edit10);
    QLineEdit* edit11 = BindEdit("edit11", t.edit11, EditKind::Number);
    QLineEdit* edit14 = BindEdit("edit14", t.edit14, EditKind::ReadOnly);
    for (QLineEdit* e : {edit8, edit9, edit10}) e->setMinimumWidth(CharsWide(26));
    edit11->setFixedWidth(CharsWide(12));
    edit14->setFixedWidth(CharsWide(12));
    AddField(hg, 0, "Município:", edit8);
    AddField(hg, 1, "Microbacia:", edit9);
    AddField(hg, 2, "Trecho:", edit10);
    auto* extension = new QHBoxLayout;
    extension->setSpacing(6);
    extension->addWidget(edit11);
    extension->addWidget(Text("km"));
    extension->addStretch(1);
    auto* extensionLabel = Text("Extensão:");
    extensionLabel->setBuddy(edit11);
    hg->addWidget(extensionLabel, 3, 0);
    hg->addLayout(extension, 3, 1);
    AddField(hg, 4, "Data Base Valores", edit14);
    hg->addWidget(Bold(Text("Padrão:")), 5, 0);
    QLabel* label63 = BindLabel("Label63", t.Label63);
    hg->addWidget(label63, 5, 1);
    hg->setColumnStretch(1, 1);
    hg->setRowStretch(6, 1);

    QPushButton* b15 = MakeButton("Button15", "Calcular Orçamento");
    QPushButton* b16 = MakeButton("Button16", "Imprimir Orçamento");
    QPushButton* b17 = MakeButton("Button17", "Imprimir Quantitativos");
    connect(b15, &QPushButton::clicked, this, &BudgetTabPage::Button15Click);
    connect(b16, &QPushButton::clicked, this, &BudgetTabPage::Button16Click);
    connect(b17, &QPushButton::clicked, this, &BudgetTabPage::Button17Click);
    auto* actions = ButtonColumn({b15, b16, b17});

    auto optionBox = [this](const char* title, QCheckBox* a, QCheckBox* b) {
        auto* box = new QGroupBox(QString::fromUtf8(title));
        auto* row = new QHBoxLayout(box);
        row->addWidget(a);
        row->addWidget(b);
        row->addStretch(1);
        for (QCheckBox* c : {a, b}) connect(c, &QCheckBox::clicked, this, &BudgetTabPage::cbcultClick);
        return box;
    };
    actions->addWidget(optionBox("Limpeza a orçar", BindCheck("cbcult", "Cultura", t.cbcult),
                                 BindCheck("cbmato", "Mato", t.cbmato)));
    actions->addWidget(optionBox("Suavização de Greide", BindCheck("CheckBox4", "Corte", t.CheckBox4),
                                 BindCheck("CheckBox5", "Aterro", t.CheckBox5)));
    actions->addStretch(1);

    // Total cost and the cost per kilometre of each group.
    auto* analysis = new QFrame;
    analysis->setObjectName("analise");
    analysis->setFrameShape(QFrame::StyledPanel);
    auto* ag = new QGridLayout(analysis);
    ag->setVerticalSpacing(1);
    ag->setHorizontalSpacing(12);
    ag->addWidget(Bold(BindLabel("Label26", t.Label26)), 0, 0);
    QLabel* label43 = Bold(BindLabel("Label43", t.Label43));
    label43->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ag->addWidget(label43, 0, 1);
    auto* heading = new QHBoxLayout;
    heading->setSpacing(4);
    heading->addWidget(Bold(Text("Análise do")));
    heading->addWidget(Bold(Text("Custo da Obra")));
    heading->addStretch(1);
    ag->addLayout(heading, 1, 0);
    QLabel* perKm = Bold(Text("Valores em R$ p/ km"));
    perKm->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ag->addWidget(perKm, 1, 1);
    const char* names[9] = {"Label27", "Label28", "Label29", "Label30", "Label31",
                            "Label64", "Label68", "Label70", "Label72"};
    const char* values[9] = {"Label35", "Label36", "Label37", "Label38", "Label39",
                             "Label65", "Label69", "Label71", "Label73"};
    for (int i = 0; i < 9; ++i) {
        ag->addWidget(BindLabel(names[i], t.AnalysisName(i + 1)), 2 + i, 0);
        QLabel* v = BindLabel(values[i], t.AnalysisValue(i + 1));
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        v->setMinimumWidth(CharsWide(14));
        ag->addWidget(v, 2 + i, 1);
    }
    ag->addWidget(Bold(BindLabel("Label32", t.Label32)), 11, 0);
    QLabel* label40 = Bold(BindLabel("Label40", t.Label40));
    label40->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ag->addWidget(label40, 11, 1);
    ag->setColumnMinimumWidth(0, CharsWide(26));

    c1_ = new QFrame;
    c1_->setObjectName("c1");
    c1_->setFrameShape(QFrame::StyledPanel);
    c1_->setMinimumWidth(CharsWide(20));
    new QVBoxLayout(c1_);

    auto* top = new QHBoxLayout;
    top->addWidget(header, 1);
    top->addLayout(actions);
    top->addWidget(analysis);
    top->addWidget(c1_, 1);

    sgorc_ = MakeGrid(t.sgorc);
    connect(sgorc_->Model(), &GridModel::CellEdited, this, &BudgetTabPage::sgorcAfterEdit);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(sgorc_, 1);
}

void BudgetTabPage::Button15Click() { RunButton("Button15"); }

void BudgetTabPage::Button16Click() { RunButton("Button16"); }

void BudgetTabPage::Button17Click() { RunButton("Button17"); }

void BudgetTabPage::cbcultClick() {}

void BudgetTabPage::sgorcAfterEdit(int, int) {}

}  // namespace desktop
