#pragma once
// All the engine knows of the user. The desktop answers with Qt dialogs, the batch
// runner prints to standard error and answers from its options, tests record the
// calls and answer from a script.
#include <optional>
#include <string>

namespace engine {

enum class MessageIcon { None, Information, Warning, Error };

// Texts of the profile data dialog ("Dados do Perfil"), as typed.
struct ProfileDialogTexts {
    std::string initialElevation;  // Edit2, "Cota Inicial:"
    std::string initialChainage;   // Edit1, "Progressiva Inicial:"
    std::string exaggeration;      // Edit3, "Deformação Vertical"
};

// A file dialog's question: caption, filter ("Descrição (*.ext)|*.ext"), default
// extension without the dot, and whether to ask before overwriting.
struct FileQuestion {
    std::string caption;
    std::string filter;
    std::string defaultExtension;
    bool confirmOverwrite = false;
};

class Interaction {
public:
    virtual ~Interaction() = default;

    // A plain message box with the OK button. ownedByMainWindow tells whether the
    // application window owns it (false: no owner).
    virtual void ShowMessage(const std::string& caption, const std::string& text,
                             MessageIcon icon = MessageIcon::None, bool ownedByMainWindow = false) = 0;

    // The task-modal error box: error icon, OK button, no owner.
    virtual void ShowErrorBox(const std::string& caption, const std::string& text) = 0;

    // Shows the profile data dialog modally with the given initial texts and returns
    // what the user left in it (closing it by its close box counts as OK).
    virtual ProfileDialogTexts AskProfileData(const ProfileDialogTexts& initial) = 0;

    // File choice; nullopt when the user cancels.
    virtual std::optional<std::string> ChooseOpenFile(const FileQuestion& q) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileQuestion& q) = 0;

    // A progress bar of a tab (by component name, "pb1" ...): shown with a maximum,
    // moved, hidden.
    virtual void ProgressShow(const std::string& bar, int maximum) = 0;
    virtual void ProgressSet(const std::string& bar, int position) = 0;
    virtual void ProgressHide(const std::string& bar) = 0;

    // Brings the program's own main window to the front (before a message of the
    // CAD bridge). Returns whether it is in front afterwards.
    virtual bool RaiseMainWindow() = 0;
};

// Shows the error box used by the project reader and the crown calculator.
inline void ShowErrorBox(Interaction& ui, const std::string& caption, const std::string& text) {
    ui.ShowErrorBox(caption, text);
}

}  // namespace engine
