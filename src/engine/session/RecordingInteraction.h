#pragma once
// An Interaction that records every call and answers from a script; used by tests
// and by anything that must run without a user.
#include <deque>
#include <string>
#include <vector>

#include "engine/session/Interaction.h"

namespace engine {

class RecordingInteraction : public Interaction {
public:
    struct Call {
        std::string kind;  // "message", "error", "profile", "open", "save", "progress", "raise"
        std::string caption;
        std::string text;
        MessageIcon icon = MessageIcon::None;
        bool owned = false;
    };

    std::vector<Call> calls;
    // Answers, taken from the front; an empty queue answers with the defaults.
    std::deque<ProfileDialogTexts> profileAnswers;  // empty: keep the initial texts
    std::deque<std::optional<std::string>> fileAnswers;  // empty: cancel

    void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon,
                     bool ownedByMainWindow) override {
        calls.push_back({"message", caption, text, icon, ownedByMainWindow});
    }
    void ShowErrorBox(const std::string& caption, const std::string& text) override {
        calls.push_back({"error", caption, text, MessageIcon::Error, false});
    }
    ProfileDialogTexts AskProfileData(const ProfileDialogTexts& initial) override {
        calls.push_back({"profile", "Dados do Perfil",
                         initial.initialElevation + "|" + initial.initialChainage + "|" + initial.exaggeration});
        if (profileAnswers.empty()) return initial;
        ProfileDialogTexts a = profileAnswers.front();
        profileAnswers.pop_front();
        return a;
    }
    std::optional<std::string> ChooseOpenFile(const FileQuestion& q) override { return NextFile("open", q); }
    std::optional<std::string> ChooseSaveFile(const FileQuestion& q) override { return NextFile("save", q); }
    void ProgressShow(const std::string& bar, int maximum) override {
        calls.push_back({"progress", bar, "show " + std::to_string(maximum)});
    }
    void ProgressSet(const std::string& bar, int position) override {
        progressPositions.push_back(position);
        (void)bar;
    }
    void ProgressHide(const std::string& bar) override { calls.push_back({"progress", bar, "hide"}); }
    bool RaiseMainWindow() override {
        calls.push_back({"raise", "", ""});
        return true;
    }

    std::vector<int> progressPositions;

    // Calls of one kind, in order.
    std::vector<Call> Of(const std::string& kind) const {
        std::vector<Call> out;
        for (const auto& c : calls)
            if (c.kind == kind) out.push_back(c);
        return out;
    }

private:
    std::optional<std::string> NextFile(const char* kind, const FileQuestion& q) {
        calls.push_back({kind, q.caption, q.filter});
        if (fileAnswers.empty()) return std::nullopt;
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};

}  // namespace engine
