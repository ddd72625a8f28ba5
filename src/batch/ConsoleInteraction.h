#pragma once
// The batch runner's user: messages and error boxes go to standard error, dialogs
// are answered from the command line, nothing is ever picked on screen.
#include <optional>

#include "engine/session/Interaction.h"

namespace batch {

class ConsoleInteraction : public engine::Interaction {
public:
    std::optional<engine::ProfileDialogTexts> profileAnswer;  // from --perfil

    void ShowMessage(const std::string& caption, const std::string& text, engine::MessageIcon icon,
                     bool ownedByMainWindow) override;
    void ShowErrorBox(const std::string& caption, const std::string& text) override;
    engine::ProfileDialogTexts AskProfileData(const engine::ProfileDialogTexts& initial) override;
    std::optional<std::string> ChooseOpenFile(const engine::FileQuestion& q) override;
    std::optional<std::string> ChooseSaveFile(const engine::FileQuestion& q) override;
    void ProgressShow(const std::string&, int) override {}
    void ProgressSet(const std::string&, int) override {}
    void ProgressHide(const std::string&) override {}
    bool RaiseMainWindow() override { return false; }

    int messagesShown = 0;
    int errorsShown = 0;
};

}  // namespace batch
