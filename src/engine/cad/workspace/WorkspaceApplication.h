#pragma once
// The CAD application object of the drawing workspace.
#include <memory>

#include "engine/cad/CadModel.h"

namespace engine::cad {

class DrawingWorkspace;

class WorkspaceApplication : public Application {
public:
    explicit WorkspaceApplication(std::weak_ptr<DrawingWorkspace> workspace) : workspace_(std::move(workspace)) {}

    // A version text as the CAD applications give it; its first two characters are
    // the major version.
    static constexpr const char* kVersion = "23.0";

    std::string Version() override;
    std::string FullName() override;  // the running program
    std::string Caption() override;
    Document& ActiveDocument() override;
    void AddDocument() override;
    void Update() override;

private:
    std::shared_ptr<DrawingWorkspace> Workspace() const;
    std::weak_ptr<DrawingWorkspace> workspace_;
};

}  // namespace engine::cad
