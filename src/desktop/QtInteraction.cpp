#include "desktop/QtInteraction.h"

#include <algorithm>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressBar>
#include <QRegularExpression>
#include <QStringList>

#include "desktop/dialogs/TForm2.h"

namespace desktop {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QMessageBox::Icon ToQtIcon(engine::MessageIcon icon) {
    switch (icon) {
        case engine::MessageIcon::None: return QMessageBox::NoIcon;
        case engine::MessageIcon::Information: return QMessageBox::Information;
        case engine::MessageIcon::Warning: return QMessageBox::Warning;
        case engine::MessageIcon::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtInteraction::ShowMessage(const std::string& caption, const std::string& text, engine::MessageIcon icon,
                                bool ownedByMainWindow) {
    QWidget* owner = ownedByMainWindow ? mainWindow_.data() : nullptr;
    QMessageBox box(ToQtIcon(icon), Q(caption), Q(text), QMessageBox::Ok, owner);
    box.setObjectName("MessageBox");
    box.exec();
}

void QtInteraction::ShowErrorBox(const std::string& caption, const std::string& text) {
    // Task-modal: no owner, and nothing else of the application takes input until closed.
    QMessageBox box(QMessageBox::Critical, Q(caption), Q(text), QMessageBox::Ok, nullptr);
    box.setObjectName("ErrorBox");
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

engine::ProfileDialogTexts QtInteraction::AskProfileData(const engine::ProfileDialogTexts& initial) {
    // Every way out of the dialog is OK: the answer is what the boxes hold.
    return TForm2::Ask(mainWindow_.data(), initial);
}

QString QtInteraction::NameFilters(const std::string& filter) {
    if (filter.empty()) return {};
    const QStringList parts = Q(filter).split('|');
    QStringList out;
    static const QRegularExpression kTrailingPatterns(R"(\s*\([^()]*\)\s*$)");
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString("*");
        if (description.isEmpty() && patterns.isEmpty()) continue;
        patterns.replace(';', ' ');
        // Qt reads the patterns from the parentheses at the end of the text, so the
        // description's own copy of them is replaced by the real ones.
        description.remove(kTrailingPatterns);
        if (description.isEmpty()) description = patterns;
        out << description + " (" + patterns + ")";
    }
    return out.join(";;");
}

std::optional<std::string> QtInteraction::chooseFile(const engine::FileQuestion& q, bool save) {
    QFileDialog dialog(mainWindow_.data(), Q(q.caption));
    dialog.setObjectName(save ? "SaveDialog" : "OpenDialog");
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString filters = NameFilters(q.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters.split(";;"));
    if (!q.defaultExtension.empty()) dialog.setDefaultSuffix(Q(q.defaultExtension));
    if (save && !q.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtInteraction::ChooseOpenFile(const engine::FileQuestion& q) { return chooseFile(q, false); }

std::optional<std::string> QtInteraction::ChooseSaveFile(const engine::FileQuestion& q) { return chooseFile(q, true); }

QProgressBar* QtInteraction::findBar(const std::string& name) const {
    if (!mainWindow_) return nullptr;
    return mainWindow_->findChild<QProgressBar*>(Q(name));
}

// The calculators run on the user-interface thread without returning to the event
// loop, so every change is painted at once.
void QtInteraction::ProgressShow(const std::string& bar, int maximum) {
    QProgressBar* b = findBar(bar);
    if (!b) return;
    b->setRange(0, std::max(0, maximum));
    b->setValue(0);
    b->show();
    b->repaint();
}

void QtInteraction::ProgressSet(const std::string& bar, int position) {
    QProgressBar* b = findBar(bar);
    if (!b) return;
    b->setValue(std::clamp(position, b->minimum(), b->maximum()));
    b->repaint();
}

void QtInteraction::ProgressHide(const std::string& bar) {
    if (QProgressBar* b = findBar(bar)) b->hide();
}

bool QtInteraction::RaiseMainWindow() {
    if (!mainWindow_) return false;
    mainWindow_->raise();
    mainWindow_->activateWindow();
    return mainWindow_->isActiveWindow();
}

}  // namespace desktop
