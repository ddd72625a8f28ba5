#include "batch/ConsoleInteraction.h"

#include <iostream>

namespace batch {

void ConsoleInteraction::ShowMessage(const std::string& caption, const std::string& text, engine::MessageIcon,
                                     bool) {
    ++messagesShown;
    std::cerr << caption << ": " << text << "\n";
}

void ConsoleInteraction::ShowErrorBox(const std::string& caption, const std::string& text) {
    ++errorsShown;
    std::cerr << "ERRO - " << caption << ": " << text << "\n";
}

engine::ProfileDialogTexts ConsoleInteraction::AskProfileData(const engine::ProfileDialogTexts& initial) {
    if (profileAnswer) return *profileAnswer;
    std::cerr << "Dados do Perfil: sem --perfil, valem os valores propostos (cota " << initial.initialElevation
              << ", progressiva " << initial.initialChainage << ", deformação " << initial.exaggeration << ").\n";
    return initial;
}

std::optional<std::string> ConsoleInteraction::ChooseOpenFile(const engine::FileQuestion& q) {
    std::cerr << q.caption << ": nenhuma escolha de arquivo em lote.\n";
    return std::nullopt;
}

std::optional<std::string> ConsoleInteraction::ChooseSaveFile(const engine::FileQuestion& q) {
    std::cerr << q.caption << ": nenhuma escolha de arquivo em lote.\n";
    return std::nullopt;
}

}  // namespace batch
