#pragma once
#include "common/messages.h"

#include <deque>
#include <string>
#include <vector>

// A message seam for tests: every message the program shows is recorded;
// confirmations are answered from a script. A test checks `shown` against
// what it expected, so an unexpected message fails it, and `unanswered()`
// tells of scripted answers no prompt consumed.
class ScriptedMessages : public Messenger {
public:
    struct Shown {
        std::string kind; // "inform", "confirm" or "error"
        std::string text;
        std::string caption;
        bool operator==(const Shown&) const = default;
    };

    void inform(const std::string& text) override { shown.push_back({"inform", text, {}}); }
    void error(const std::string& text) override { shown.push_back({"error", text, {}}); }
    bool confirm(const std::string& text, const std::string& caption) override
    {
        shown.push_back({"confirm", text, caption});
        if (answers.empty()) {
            unscripted = true;
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> t;
        for (const Shown& s : shown)
            t.push_back(s.text);
        return t;
    }
    std::size_t unanswered() const { return answers.size(); }

    std::vector<Shown> shown;
    std::deque<bool> answers;
    bool unscripted = false; // a prompt came that the script did not answer
};
