#include "desktop/tabs/ServiceNoteTabPage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/widgets/GridView.h"
#include "engine/calc/ServiceNote.h"

namespace desktop {
namespace {
// The copy stops at the last visible column: the platform-edge columns 22 and 23
// beyond it are working values, not part of the table.
constexpr int kLastCopiedColumn = 21;
}  // namespace

ServiceNoteTabPage::ServiceNoteTabPage(engine::Session& session, engine::Interaction& ui, HandlerHost& host,
                                       QWidget* parent)
    : TabPage("tsnota", session, ui, host, parent) {
    QPushButton* b10 = MakeButton("Button10", "Calcular Nota de Serviço");
    QPushButton* b11 = MakeButton("Button11", "Imprimir Relatório");
    connect(b10, &QPushButton::clicked, this, &ServiceNoteTabPage::Button10Click);
    connect(b11, &QPushButton::clicked, this, &ServiceNoteTabPage::Button11Click);

    sgnt_ = MakeGrid(session.nota.sgnt);
    popup_ = new QMenu(this);
    popup_->setObjectName("PopupMenu1");
    QAction* copy = popup_->addAction(QString::fromUtf8("Copiar Planilha Inteira"));
    copy->setObjectName("CopiarPlanilhaInteira1");
    connect(copy, &QAction::triggered, this, &ServiceNoteTabPage::CopiarPlanilhaInteira1Click);
    for (QAbstractItemView* v : {static_cast<QAbstractItemView*>(sgnt_), static_cast<QAbstractItemView*>(sgnt_->FrozenView())}) {
        if (!v) continue;
        v->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(v, &QWidget::customContextMenuRequested, this,
                [this, v](const QPoint& pos) { popup_->popup(v->viewport()->mapToGlobal(pos)); });
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(b10);
    buttons->addWidget(b11);
    buttons->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(buttons);
    page->addWidget(sgnt_, 1);
}

void ServiceNoteTabPage::Button10Click() {
    RunButton("Button10", [this] { engine::ComputeServiceNote(session_); });
}

void ServiceNoteTabPage::Button11Click() { RunButton("Button11"); }

void ServiceNoteTabPage::CopiarPlanilhaInteira1Click() {
    const QPoint topLeft = sgnt_->SelectionTopLeft();
    sgnt_->selectAll();
    const std::string text = session_.nota.sgnt.ClipboardText(0, kLastCopiedColumn);
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    sgnt_->SelectCell(topLeft.x(), topLeft.y());
}

}  // namespace desktop
