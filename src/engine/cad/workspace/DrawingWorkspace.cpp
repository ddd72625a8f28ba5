#include "engine/cad/workspace/DrawingWorkspace.h"

#include "engine/cad/workspace/WorkspaceApplication.h"
#include "engine/cad/workspace/WorkspaceDocument.h"

namespace engine::cad {

std::shared_ptr<DrawingWorkspace> DrawingWorkspace::Create() {
    return std::shared_ptr<DrawingWorkspace>(new DrawingWorkspace());
}

void DrawingWorkspace::Open(const std::string& path) { Install(dxf::DxfDrawing::Open(path)); }

void DrawingWorkspace::NewDrawing() {
    Install(dxf::DxfDrawing::NewEmpty("Desenho" + std::to_string(++untitled_) + ".dxf"));
}

void DrawingWorkspace::Install(std::shared_ptr<dxf::DxfDrawing> drawing) {
    if (document_) closed_.push_back(document_);
    drawing_ = std::move(drawing);
    std::weak_ptr<DrawingWorkspace> self = weak_from_this();
    document_ = std::make_shared<WorkspaceDocument>(drawing_, nextWindowId_++, [self]() -> PickProvider* {
        auto workspace = self.lock();
        return workspace ? workspace->Picker() : nullptr;
    });
    NotifyDrawing();
}

void DrawingWorkspace::Close() {
    if (document_) closed_.push_back(document_);
    document_.reset();
    drawing_.reset();
    NotifyDrawing();
}

void DrawingWorkspace::Save() {
    if (!drawing_) throw DrawingError("Não há desenho aberto para gravar.");
    drawing_->Save();
}

void DrawingWorkspace::SaveAs(const std::string& path) {
    if (!drawing_) throw DrawingError("Não há desenho aberto para gravar.");
    drawing_->SaveAs(path);
}

ApplicationPtr DrawingWorkspace::Application() {
    if (!drawing_) return nullptr;
    if (!application_) application_ = std::make_shared<WorkspaceApplication>(weak_from_this());
    return application_;
}

Document& DrawingWorkspace::ActiveDocument() {
    if (!document_) throw CadError("Não há desenho aberto na área de desenho.");
    return *document_;
}

int DrawingWorkspace::Subscribe(DrawingListener listener) {
    int token = nextToken_++;
    listeners_.emplace_back(token, std::move(listener));
    return token;
}

void DrawingWorkspace::Unsubscribe(int token) {
    std::erase_if(listeners_, [&](const auto& entry) { return entry.first == token; });
}

void DrawingWorkspace::NotifyDrawing() {
    auto copy = listeners_;  // a listener may unsubscribe while it is told
    for (const auto& entry : copy) entry.second(drawing_);
}

std::string DrawingWorkspace::Caption() const {
    return drawing_ ? "Área de Desenho - " + drawing_->Name() : "Área de Desenho";
}

}  // namespace engine::cad
