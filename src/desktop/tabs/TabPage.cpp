#include "desktop/tabs/TabPage.h"

#include <algorithm>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "desktop/widgets/GridView.h"
#include "engine/session/Sequence.h"

namespace desktop {
namespace {
constexpr int kButtonPadding = 20;
}  // namespace

TabPage::TabPage(const char* componentName, engine::Session& session, engine::Interaction& ui, HandlerHost& host,
                 QWidget* parent)
    : QWidget(parent), session_(session), ui_(ui), host_(host) {
    setObjectName(componentName);
}

void TabPage::ReadSession() {
    for (auto& b : edits_) {
        const QString text = QString::fromStdString(*b.field);
        if (b.edit->text() == text) continue;
        b.edit->setText(text);
        // Show a long text from its start, as it was typed, not scrolled to its end.
        b.edit->setCursorPosition(0);
    }
    for (auto& b : checks_)
        if (b.box->isChecked() != *b.field) b.box->setChecked(*b.field);
    for (auto& b : labels_) b.label->setText(QString::fromStdString(*b.field));
    for (GridView* g : grids_) g->Refresh();
}

QPushButton* TabPage::MakeButton(const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    // The style's own buttons hug their captions; a little air reads better.
    b->setMinimumSize(b->sizeHint().width() + kButtonPadding, b->sizeHint().height() + 4);
    return b;
}

void TabPage::RunButton(const char* button, const std::function<void()>& work) {
    const std::string name = button;
    host_.RunHandler([this, name, work] {
        if (!engine::CheckSequence(session_, engine::StepOfButton(name), ui_)) return;
        if (work) work();
    });
}

QLineEdit* TabPage::BindEdit(const char* name, std::string& field, EditKind kind) {
    auto* e = new QLineEdit(QString::fromStdString(field), this);
    e->setObjectName(name);
    e->setCursorPosition(0);
    if (kind == EditKind::Number) {
        // Decimal values with the point, as every number of the program is written.
        static const QRegularExpression kDecimal(R"([-+]?[0-9]*\.?[0-9]*)");
        e->setValidator(new QRegularExpressionValidator(kDecimal, e));
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (kind == EditKind::ReadOnly) e->setReadOnly(true);
    std::string* target = &field;
    connect(e, &QLineEdit::textChanged, this, [target](const QString& text) { *target = text.toStdString(); });
    edits_.push_back({e, &field});
    return e;
}

QCheckBox* TabPage::BindCheck(const char* name, const char* caption, bool& field) {
    auto* c = new QCheckBox(QString::fromUtf8(caption), this);
    c->setObjectName(name);
    c->setChecked(field);
    bool* target = &field;
    connect(c, &QCheckBox::toggled, this, [target](bool on) { *target = on; });
    checks_.push_back({c, &field});
    return c;
}

QLabel* TabPage::BindLabel(const char* name, std::string& field) {
    auto* l = new QLabel(QString::fromStdString(field), this);
    l->setObjectName(name);
    labels_.push_back({l, &field});
    return l;
}

QProgressBar* TabPage::MakeProgressBar(const char* name) {
    auto* p = new QProgressBar(this);
    p->setObjectName(name);
    p->setRange(0, 100);
    p->setValue(0);
    QSizePolicy sp = p->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    p->setSizePolicy(sp);
    p->hide();
    return p;
}

GridView* TabPage::MakeGrid(engine::Grid& grid) {
    auto* g = new GridView(grid, this);
    grids_.push_back(g);
    return g;
}

QGroupBox* TabPage::MakeGroup(const char* title, QGridLayout*& grid) {
    auto* box = new QGroupBox(QString::fromUtf8(title));
    grid = new QGridLayout(box);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    return box;
}

void TabPage::AddField(QGridLayout* grid, int row, const char* label, QWidget* box, const char* unit) {
    auto* l = new QLabel(QString::fromUtf8(label));
    l->setBuddy(box);
    grid->addWidget(l, row, 0);
    grid->addWidget(box, row, 1);
    if (unit) grid->addWidget(new QLabel(QString::fromUtf8(unit)), row, 2);
}

QLineEdit* TabPage::AddBoundField(QGridLayout* grid, int row, const char* label, const char* name, std::string& field,
                                  EditKind kind, int chars, const char* unit) {
    QLineEdit* e = BindEdit(name, field, kind);
    e->setFixedWidth(CharsWide(chars));
    AddField(grid, row, label, e, unit);
    return e;
}

QVBoxLayout* TabPage::ButtonColumn(std::initializer_list<QPushButton*> buttons) {
    auto* col = new QVBoxLayout;
    col->setSpacing(4);
    int width = 0;
    for (QPushButton* b : buttons) width = std::max(width, b->minimumWidth());
    for (QPushButton* b : buttons) {
        b->setMinimumWidth(width);
        col->addWidget(b);
    }
    return col;
}

int TabPage::CharsWide(int n) const { return fontMetrics().averageCharWidth() * n + 12; }

}  // namespace desktop
