#pragma once
// The running CAD applications, found by programmatic identifier ("AutoCAD.Application",
// "BricscadApp.AcadApplication", ...). An application registers a provider that answers
// with the application object while it runs and with nullptr when it does not; the
// drawing workspace, for one, answers only while a drawing is open. The registry is an
// object handed to the bridge, so tests and each program make their own.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/cad/CadModel.h"

namespace engine::cad {

inline constexpr const char* kAutoCadIdentifier = "AutoCAD.Application";
inline constexpr const char* kBricscadIdentifier = "BricscadApp.AcadApplication";
inline constexpr const char* kGstarcadIdentifier = "GstarCad.Application";

class ApplicationRegistry {
public:
    // Answers the running application, or nullptr when it is not running now.
    using Provider = std::function<ApplicationPtr()>;

    // Registers (or replaces) the provider of an identifier.
    void Register(const std::string& identifier, Provider provider);
    // An application that runs for as long as it stays registered.
    void Register(const std::string& identifier, ApplicationPtr application);
    void Unregister(const std::string& identifier);

    // The application running under the identifier (matched without regard to case, as
    // programmatic identifiers are), or nullptr when none runs under it.
    ApplicationPtr GetActiveObject(const std::string& identifier) const;

    // The identifiers in the order the bridge tries them: AutoCAD, BricsCAD, GstarCAD,
    // then the versioned AutoCAD identifiers ".14" to ".25".
    static std::vector<std::string> ConnectionOrder();

private:
    static std::string Key(const std::string& identifier);
    std::map<std::string, Provider> providers_;
};

}  // namespace engine::cad
