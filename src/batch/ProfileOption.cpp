#include "batch/ProfileOption.h"

#include <vector>

#include "engine/text/NumberText.h"

namespace batch {

std::optional<engine::ProfileDialogTexts> ParseProfileOption(const std::string& value, std::string& error) {
    error.clear();
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = value.find(',', start)) != std::string::npos; start = comma + 1)
        parts.push_back(engine::Trim(value.substr(start, comma - start)));
    parts.push_back(engine::Trim(value.substr(start)));

    const char* const names[] = {"a deformação vertical", "a cota inicial", "a progressiva inicial"};
    if (parts.size() != 3) {
        error = "O valor de --perfil deve ter três números separados por vírgula (deformação vertical, cota "
                "inicial e progressiva inicial, com ponto decimal), por exemplo 10,812.35,0; recebido: \"" +
                value + "\".";
        return std::nullopt;
    }
    for (int i = 0; i < 3; ++i)
        if (!engine::ParseNumber(parts[std::size_t(i)])) {
            error = std::string("Em --perfil, ") + names[i] + " \"" + parts[std::size_t(i)] +
                    "\" não é um número (use ponto decimal).";
            return std::nullopt;
        }
    engine::ProfileDialogTexts t;
    t.exaggeration = parts[0];
    t.initialElevation = parts[1];
    t.initialChainage = parts[2];
    return t;
}

}  // namespace batch
