#pragma once
// The drawing workspace: the CAD application of this program. It keeps one ASCII DXF
// drawing open at a time and, while one is open, answers the CAD object model as
// "AutoCAD.Application" would (see WorkspaceRegistration.h). The desktop's drawing
// window shows the open drawing (DxfDrawing::Subscribe tells it of every change) and
// serves on-screen picks; in batch runs there is no picker and nothing is picked.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/cad/CadModel.h"
#include "engine/cad/dxf/DxfDrawing.h"
#include "engine/cad/workspace/PickProvider.h"

namespace engine::cad {

class WorkspaceApplication;
class WorkspaceDocument;

class DrawingWorkspace : public std::enable_shared_from_this<DrawingWorkspace> {
public:
    static std::shared_ptr<DrawingWorkspace> Create();

    // Opens a drawing in place of the one open (DrawingError when it cannot be read;
    // the open drawing then stays).
    void Open(const std::string& path);
    // An empty drawing with no file yet (the application's Documents.Add).
    void NewDrawing();
    void Close();
    bool IsOpen() const { return drawing_ != nullptr; }
    // The open drawing, or nullptr.
    std::shared_ptr<dxf::DxfDrawing> Drawing() const { return drawing_; }
    void Save();
    void SaveAs(const std::string& path);

    // Not owned; the caller clears it (nullptr) before the picker goes away.
    void SetPickProvider(PickProvider* picker) { picker_ = picker; }
    PickProvider* Picker() const { return picker_; }

    // The application object while a drawing is open, nullptr otherwise.
    ApplicationPtr Application();
    // CadError when no drawing is open.
    Document& ActiveDocument();
    // Title of the drawing window: "Área de Desenho - <file name>".
    std::string Caption() const;

    // Told whenever another drawing is open (nullptr: none), also when the CAD bridge
    // adds a document; the drawing window follows it.
    using DrawingListener = std::function<void(const std::shared_ptr<dxf::DxfDrawing>&)>;
    int Subscribe(DrawingListener listener);
    void Unsubscribe(int token);

private:
    DrawingWorkspace() = default;
    void Install(std::shared_ptr<dxf::DxfDrawing> drawing);
    void NotifyDrawing();

    std::shared_ptr<dxf::DxfDrawing> drawing_;
    std::shared_ptr<WorkspaceDocument> document_;
    // Documents of drawings closed since: kept so that references handed out stay
    // valid (their calls fail with CadError).
    std::vector<std::shared_ptr<WorkspaceDocument>> closed_;
    std::shared_ptr<WorkspaceApplication> application_;
    PickProvider* picker_ = nullptr;
    std::vector<std::pair<int, DrawingListener>> listeners_;
    int nextToken_ = 1;
    int untitled_ = 0;
    std::intptr_t nextWindowId_ = 0x5A10;
};

}  // namespace engine::cad
