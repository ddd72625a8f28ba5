#include "engine/cad/ApplicationRegistry.h"

#include <cctype>

namespace engine::cad {

std::string ApplicationRegistry::Key(const std::string& identifier) {
    std::string key = identifier;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

void ApplicationRegistry::Register(const std::string& identifier, Provider provider) {
    providers_[Key(identifier)] = std::move(provider);
}

void ApplicationRegistry::Register(const std::string& identifier, ApplicationPtr application) {
    Register(identifier, Provider([application] { return application; }));
}

void ApplicationRegistry::Unregister(const std::string& identifier) { providers_.erase(Key(identifier)); }

ApplicationPtr ApplicationRegistry::GetActiveObject(const std::string& identifier) const {
    auto it = providers_.find(Key(identifier));
    if (it == providers_.end() || !it->second) return nullptr;
    return it->second();
}

std::vector<std::string> ApplicationRegistry::ConnectionOrder() {
    std::vector<std::string> order{kAutoCadIdentifier, kBricscadIdentifier, kGstarcadIdentifier};
    for (int version = 14; version <= 25; ++version)
        order.push_back(std::string(kAutoCadIdentifier) + "." + std::to_string(version));
    return order;
}

}  // namespace engine::cad
