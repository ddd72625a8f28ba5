#pragma once
// What a tab needs of the main window to run a button's work: one place that turns
// an engine error into a message box and shows the session again afterwards.
#include <functional>

namespace desktop {

class HandlerHost {
public:
    virtual ~HandlerHost() = default;

    // Runs the work; an exception it lets out ends it and is shown to the user, and
    // whatever it wrote before stays. Every tab re-reads the session afterwards.
    virtual void RunHandler(const std::function<void()>& work) = 0;
};

}  // namespace desktop
