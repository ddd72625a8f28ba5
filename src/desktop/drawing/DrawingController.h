#pragma once
// The drawing side of the desktop program: the drawing workspace (our CAD application),
// the registry where the CAD bridge finds it, the drawing window that shows it and
// serves the bridge's picks, and the "Desenho" menu of the main window (open, save,
// save as, show the window). A drawing with additions not yet saved is not let go
// without asking.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QObject>
#include <QPointer>

#include "desktop/drawing/QtWindowSystem.h"
#include "engine/cad/ApplicationRegistry.h"
#include "engine/cad/workspace/DrawingWorkspace.h"
#include "engine/cad/workspace/PickProvider.h"
#include "engine/project/ProjectModel.h"
#include "engine/session/Interaction.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace desktop {

class DrawingWindow;

inline constexpr const char* kUnsavedDrawingQuestion = "O desenho tem alterações não salvas. Deseja salvá-las?";
inline constexpr const char* kDrawingFilter = "Desenhos DXF (*.dxf)|*.dxf";

class DrawingController : public QObject, public engine::cad::PickProvider {
    Q_OBJECT
public:
    enum class SaveAnswer { Save, Discard, Cancel };
    // The question about unsaved changes; a message box unless replaced (tests).
    using SaveQuestion = std::function<SaveAnswer(const QString& text)>;

    // mainWindow owns the drawing window and the message boxes.
    DrawingController(QWidget* mainWindow, engine::Interaction& ui);
    ~DrawingController() override;

    engine::cad::ApplicationRegistry& Registry() { return registry_; }
    engine::cad::WindowSystem& Windows() { return windows_; }
    const std::shared_ptr<engine::cad::DrawingWorkspace>& Workspace() const { return workspace_; }
    DrawingWindow* Window() const;

    // Adds the "Desenho" menu to the bar, before `before` (at the end when null).
    QMenu* InstallMenu(QMenuBar* bar, QAction* before = nullptr);

    // Opens the drawing in place of the one open (after asking about unsaved changes)
    // and shows it. A drawing that cannot be opened is told in a message box naming
    // it; the open one then stays. True when the drawing is open.
    bool Open(const std::string& path);
    // At start-up: the drawing named on the command line, else the ".dxf" of the same
    // name beside the project's alignment file, when there is one.
    bool OpenAtStartup(const std::string& commandLineDrawing, const engine::ProjectModel& project);

    // Saves to the drawing's file (asks for one when it has none). False when nothing
    // was saved; the error has been shown and the earlier file is as it was.
    bool Save();
    bool SaveAs(const std::string& path);
    // Asks for a file name, then saves there.
    bool SaveAsChosen();

    bool Modified() const;
    // Before the drawing is let go: nothing to ask when it has no unsaved changes;
    // otherwise asks, saves when told to. False when the user cancels or the save
    // failed: the caller keeps the drawing.
    bool ConfirmRelease();
    void SetSaveQuestion(SaveQuestion question) { askSave_ = std::move(question); }

    // The bridge's pick: the drawing window comes to the front and waits for the user.
    std::optional<engine::dxf::EntityId> Pick(const std::string& prompt) override;

public slots:
    void AbrirDesenhoClick();
    void SalvarDesenhoClick();
    void SalvarDesenhoComoClick();
    void MostrarDesenhoClick();

private:
    bool OpenReplacing(const std::string& path);
    // The window follows the workspace's drawing, and the menu what can be done.
    void Sync();
    void ShowError(const std::string& text);

    QPointer<QWidget> mainWindow_;
    engine::Interaction& ui_;
    engine::cad::ApplicationRegistry registry_;
    QtWindowSystem windows_;
    std::shared_ptr<engine::cad::DrawingWorkspace> workspace_;
    int workspaceSubscription_ = 0;
    // The drawing the window shows, held until the window has let it go.
    std::shared_ptr<engine::dxf::DxfDrawing> shown_;
    QPointer<DrawingWindow> window_;
    SaveQuestion askSave_;
    QPointer<QAction> save_, saveAs_, show_;
};

}  // namespace desktop
