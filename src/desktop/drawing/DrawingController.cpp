#include "desktop/drawing/DrawingController.h"

#include <filesystem>

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

#include "desktop/drawing/DrawingWindow.h"
#include "engine/Errors.h"
#include "engine/cad/workspace/WorkspaceRegistration.h"

namespace desktop {

namespace {

constexpr const char* kErrorCaption = "Erro";
constexpr const char* kDrawingCaption = "Desenho";

DrawingController::SaveAnswer AskWithMessageBox(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kDrawingCaption), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner);
    box.setObjectName(QStringLiteral("SaveDrawingQuestion"));
    box.button(QMessageBox::Yes)->setText(QString::fromUtf8("Sim"));
    box.button(QMessageBox::No)->setText(QString::fromUtf8("Não"));
    box.button(QMessageBox::Cancel)->setText(QString::fromUtf8("Cancelar"));
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
        case QMessageBox::Yes: return DrawingController::SaveAnswer::Save;
        case QMessageBox::No: return DrawingController::SaveAnswer::Discard;
        default: return DrawingController::SaveAnswer::Cancel;
    }
}

}  // namespace

DrawingController::DrawingController(QWidget* mainWindow, engine::Interaction& ui)
    : QObject(mainWindow), mainWindow_(mainWindow), ui_(ui), workspace_(engine::cad::DrawingWorkspace::Create()) {
    setObjectName(QStringLiteral("DrawingController"));
    // The workspace answers as the CAD application whenever a drawing is open in it.
    engine::cad::RegisterDrawingWorkspace(registry_, workspace_);
    workspace_->SetPickProvider(this);
    window_ = new DrawingWindow(mainWindow);
    // The bridge may open a drawing by itself (a new document when none is open).
    workspaceSubscription_ =
        workspace_->Subscribe([this](const std::shared_ptr<engine::dxf::DxfDrawing>&) { Sync(); });
    askSave_ = [this](const QString& text) { return AskWithMessageBox(mainWindow_.data(), text); };
    Sync();
}

DrawingController::~DrawingController() {
    workspace_->Unsubscribe(workspaceSubscription_);
    workspace_->SetPickProvider(nullptr);
    if (window_) window_->SetDrawing(nullptr);
    registry_.Unregister(engine::cad::kAutoCadIdentifier);
}

QMenu* DrawingController::InstallMenu(QMenuBar* bar, QAction* before) {
    auto* menu = new QMenu(QString::fromUtf8("Desenho"), bar);
    menu->setObjectName(QStringLiteral("Desenho1"));
    QAction* open = menu->addAction(QString::fromUtf8("Abrir Desenho..."), this, &DrawingController::AbrirDesenhoClick);
    open->setObjectName(QStringLiteral("AbrirDesenho1"));
    save_ = menu->addAction(QString::fromUtf8("Salvar Desenho"), this, &DrawingController::SalvarDesenhoClick);
    save_->setObjectName(QStringLiteral("SalvarDesenho1"));
    saveAs_ = menu->addAction(QString::fromUtf8("Salvar Desenho Como..."), this,
                              &DrawingController::SalvarDesenhoComoClick);
    saveAs_->setObjectName(QStringLiteral("SalvarDesenhoComo1"));
    menu->addSeparator();
    show_ = menu->addAction(QString::fromUtf8("Mostrar Desenho"), this, &DrawingController::MostrarDesenhoClick);
    show_->setObjectName(QStringLiteral("MostrarDesenho1"));
    bar->insertMenu(before, menu);
    Sync();
    return menu;
}

DrawingWindow* DrawingController::Window() const { return window_.data(); }

bool DrawingController::Open(const std::string& path) {
    if (workspace_->IsOpen() && !ConfirmRelease()) return false;
    return OpenReplacing(path);
}

bool DrawingController::OpenReplacing(const std::string& path) {
    try {
        workspace_->Open(path);
    } catch (const engine::EngineError& e) {
        ShowError(e.what());
        return false;
    }
    Sync();
    if (window_) {
        if (!window_->isVisible()) {
            // Beside the main window rather than over all of it: most of the screen,
            // to the right.
            if (QScreen* screen = QGuiApplication::primaryScreen()) {
                const QRect r = screen->availableGeometry();
                window_->setGeometry(r.x() + r.width() / 4, r.y() + r.height() / 10, r.width() * 3 / 4 - 8,
                                     r.height() * 8 / 10);
            }
        }
        window_->ZoomExtents();
        window_->show();
        window_->raise();
        window_->activateWindow();
    }
    return true;
}

bool DrawingController::OpenAtStartup(const std::string& commandLineDrawing, const engine::ProjectModel& project) {
    if (!commandLineDrawing.empty()) {
        if (!std::filesystem::is_regular_file(commandLineDrawing)) {
            ShowError("O desenho " + commandLineDrawing + " não existe.");
            return false;
        }
        return Open(commandLineDrawing);
    }
    if (project.AlignmentFileName.size() < 4) return false;
    const std::string beside = project.SiblingFile(".dxf");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(beside, ec)) return false;
    return Open(beside);
}

bool DrawingController::Save() {
    auto drawing = workspace_->Drawing();
    if (!drawing) {
        ShowError("Não há desenho aberto para salvar.");
        return false;
    }
    if (drawing->Path().empty()) return SaveAsChosen();
    try {
        workspace_->Save();
    } catch (const engine::EngineError& e) {
        ShowError(e.what());
        return false;
    }
    Sync();
    return true;
}

bool DrawingController::SaveAs(const std::string& path) {
    try {
        workspace_->SaveAs(path);
    } catch (const engine::EngineError& e) {
        ShowError(e.what());
        return false;
    }
    Sync();  // the title names the new file
    return true;
}

bool DrawingController::SaveAsChosen() {
    if (!workspace_->IsOpen()) {
        ShowError("Não há desenho aberto para salvar.");
        return false;
    }
    engine::FileQuestion q{"Salvar Desenho Como", kDrawingFilter, "dxf", true};
    std::optional<std::string> path = ui_.ChooseSaveFile(q);
    if (!path) return false;
    return SaveAs(*path);
}

bool DrawingController::Modified() const {
    auto drawing = workspace_->Drawing();
    return drawing && drawing->Modified();
}

bool DrawingController::ConfirmRelease() {
    if (!Modified()) return true;
    switch (askSave_(QString::fromUtf8(kUnsavedDrawingQuestion))) {
        case SaveAnswer::Save: return Save();
        case SaveAnswer::Discard: return true;
        case SaveAnswer::Cancel: return false;
    }
    return false;
}

std::optional<engine::dxf::EntityId> DrawingController::Pick(const std::string& prompt) {
    Sync();
    if (!window_) return std::nullopt;
    return window_->Pick(QString::fromStdString(prompt));
}

void DrawingController::AbrirDesenhoClick() {
    if (workspace_->IsOpen() && !ConfirmRelease()) return;
    engine::FileQuestion q{"Abrir Desenho", kDrawingFilter, "dxf", false};
    std::optional<std::string> path = ui_.ChooseOpenFile(q);
    if (path) OpenReplacing(*path);  // the question about the changes was asked already
}

void DrawingController::SalvarDesenhoClick() { Save(); }

void DrawingController::SalvarDesenhoComoClick() { SaveAsChosen(); }

void DrawingController::MostrarDesenhoClick() {
    if (!window_) return;
    if (window_->isMinimized()) window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void DrawingController::Sync() {
    auto drawing = workspace_->Drawing();
    if (window_) {
        if (window_->Drawing() != drawing.get()) {
            window_->SetDrawing(drawing.get());
            shown_ = drawing;
        }
        // The bridge finds the CAD window by this title.
        window_->setWindowTitle(QString::fromStdString(workspace_->Caption()));
    }
    const bool open = drawing != nullptr;
    if (save_) save_->setEnabled(open);
    if (saveAs_) saveAs_->setEnabled(open);
    if (show_) show_->setEnabled(open);
}

void DrawingController::ShowError(const std::string& text) {
    ui_.ShowMessage(kErrorCaption, text, engine::MessageIcon::Error, true);
}

}  // namespace desktop
