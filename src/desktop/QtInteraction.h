#pragma once
// The engine's user, answered with Qt dialogs: message boxes, the task-modal error
// box, file dialogs, and the progress bars of the main window's tabs.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "engine/session/Interaction.h"

class QProgressBar;

namespace desktop {

class QtInteraction : public engine::Interaction {
public:
    // The main window owns the boxes that ask for an owner and holds the progress
    // bars (found by component name among its children).
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }

    void ShowMessage(const std::string& caption, const std::string& text, engine::MessageIcon icon,
                     bool ownedByMainWindow) override;
    void ShowErrorBox(const std::string& caption, const std::string& text) override;
    engine::ProfileDialogTexts AskProfileData(const engine::ProfileDialogTexts& initial) override;
    std::optional<std::string> ChooseOpenFile(const engine::FileQuestion& q) override;
    std::optional<std::string> ChooseSaveFile(const engine::FileQuestion& q) override;
    void ProgressShow(const std::string& bar, int maximum) override;
    void ProgressSet(const std::string& bar, int position) override;
    void ProgressHide(const std::string& bar) override;
    bool RaiseMainWindow() override;

    // "Descrição (*.ext)|*.ext|..." (description and pattern pairs) as a Qt name
    // filter list: "Descrição (*.ext);;...".
    static QString NameFilters(const std::string& filter);

private:
    QProgressBar* findBar(const std::string& name) const;
    std::optional<std::string> chooseFile(const engine::FileQuestion& q, bool save);

    QPointer<QWidget> mainWindow_;
};

}  // namespace desktop
