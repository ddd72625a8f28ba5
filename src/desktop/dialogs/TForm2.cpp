#include "desktop/dialogs/TForm2.h"

#include <algorithm>

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace desktop {

namespace {

constexpr int kClientWidth = 277;
constexpr int kClientHeight = 177;

QLabel* BoldLabel(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel* PlainLabel(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLineEdit* Edit(const char* name, const QString& text, QWidget* parent) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

}  // namespace

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QString::fromUtf8("Dados do Perfil"));
    setModal(true);

    Label4 = BoldLabel("Label4", QString::fromUtf8("A polilinha selecionada não estava"), this);
    Label5 = BoldLabel("Label5", QString::fromUtf8("referenciada a um perfil do sistema."), this);
    Label6 = BoldLabel("Label6", QString::fromUtf8(" Por favor entre com os dados do perfil:"), this);
    Label2 = PlainLabel("Label2", QString::fromUtf8("Cota Inicial:"), this);
    Label1 = PlainLabel("Label1", QString::fromUtf8("Progressiva Inicial:"), this);
    Label3 = PlainLabel("Label3", QString::fromUtf8("Deformação Vertical"), this);
    Edit2 = Edit("Edit2", QString(), this);
    Edit1 = Edit("Edit1", QStringLiteral("0"), this);
    Edit3 = Edit("Edit3", QStringLiteral("10"), this);
    Label2->setBuddy(Edit2);
    Label1->setBuddy(Edit1);
    Label3->setBuddy(Edit3);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(4);
    fields->addWidget(Label2, 0, 0);
    fields->addWidget(Edit2, 0, 1);
    fields->addWidget(Label1, 1, 0);
    fields->addWidget(Edit1, 1, 1);
    fields->addWidget(Label3, 2, 0);
    fields->addWidget(Edit3, 2, 1);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addStretch(1);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(8, 6, 8, 6);
    top->setSpacing(0);
    top->addWidget(Label4);
    top->addWidget(Label5);
    top->addSpacing(4);
    top->addWidget(Label6);
    top->addSpacing(4);
    top->addLayout(fields);
    top->addStretch(1);
    top->addLayout(buttons);

    // The button comes first: Enter right away confirms the proposed values.
    setTabOrder(Button1, Edit1);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    Button1->setFocus();

    // A fixed client area of 277 x 177; where the texts do not fit at the font in use
    // (larger fonts than the dialog was drawn for), the area grows in the same
    // proportions.
    QSize need = top->totalMinimumSize();
    double scale = std::max({1.0, double(need.width()) / kClientWidth, double(need.height()) / kClientHeight});
    setFixedSize(int(kClientWidth * scale + 0.999), int(kClientHeight * scale + 0.999));
}

void TForm2::SetInitialTexts(const engine::ProfileDialogTexts& initial) {
    initial_ = initial;
    hasInitial_ = true;
}

engine::ProfileDialogTexts TForm2::Texts() const {
    engine::ProfileDialogTexts t;
    t.initialElevation = Edit2->text().toStdString();
    t.initialChainage = Edit1->text().toStdString();
    t.exaggeration = Edit3->text().toStdString();
    return t;
}

engine::ProfileDialogTexts TForm2::Ask(QWidget* parent, const engine::ProfileDialogTexts& initial) {
    TForm2 dialog(parent);
    dialog.SetInitialTexts(initial);
    dialog.exec();  // every way out counts as OK
    return dialog.Texts();
}

void TForm2::reject() { accept(); }

void TForm2::keyPressEvent(QKeyEvent* e) {
    // Escape does not close the dialog: there is nothing to cancel, only OK.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TForm2::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TForm2::FormShow() {
    // A minimised program would leave the dialog floating over nothing the user knows.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible() && w->isMinimized()) w->showNormal();
    if (hasInitial_) {
        Edit2->setText(QString::fromStdString(initial_.initialElevation));
        Edit1->setText(QString::fromStdString(initial_.initialChainage));
    }
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
    Button1->setFocus();
}

void TForm2::Button1Click() { accept(); }

}  // namespace desktop
