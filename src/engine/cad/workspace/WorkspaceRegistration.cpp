#include "engine/cad/workspace/WorkspaceRegistration.h"

namespace engine::cad {

void RegisterDrawingWorkspace(ApplicationRegistry& registry, const std::shared_ptr<DrawingWorkspace>& workspace) {
    std::weak_ptr<DrawingWorkspace> weak = workspace;
    registry.Register(kAutoCadIdentifier, ApplicationRegistry::Provider([weak]() -> ApplicationPtr {
                          auto w = weak.lock();
                          return w ? w->Application() : nullptr;
                      }));
}

}  // namespace engine::cad
