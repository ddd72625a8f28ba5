#include "engine/cad/workspace/WorkspaceApplication.h"

#include <unistd.h>

#include <climits>

#include "engine/cad/workspace/DrawingWorkspace.h"

namespace engine::cad {

std::shared_ptr<DrawingWorkspace> WorkspaceApplication::Workspace() const {
    auto workspace = workspace_.lock();
    if (!workspace) throw CadError("A área de desenho foi encerrada.");
    return workspace;
}

std::string WorkspaceApplication::Version() {
    Workspace();
    return kVersion;
}

std::string WorkspaceApplication::FullName() {
    Workspace();
    char buffer[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string("quantitativos");
}

std::string WorkspaceApplication::Caption() { return Workspace()->Caption(); }

Document& WorkspaceApplication::ActiveDocument() { return Workspace()->ActiveDocument(); }

void WorkspaceApplication::AddDocument() { Workspace()->NewDrawing(); }

void WorkspaceApplication::Update() {
    if (auto drawing = Workspace()->Drawing()) drawing->Refresh();
}

}  // namespace engine::cad
