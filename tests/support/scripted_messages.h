#pragma once
#include "core/common/messages.h"

#include <deque>
#include <string>
#include <vector>

// A message seam for tests: every message the program shows is recorded;
// confirmations and questions are answered from a script. Reading what was
// shown counts as the test having looked at it (see UiTestEnvironment).
class ScriptedMessages : public Messenger {
public:
    struct Shown {
        std::string kind, text, caption; // kind: "inform", "confirm", "question" or "error"
        bool operator==(const Shown&) const = default;
    };

    // The messages shown so far, in order.
    class ShownList {
    public:
        std::size_t size() const { return look().size(); }
        bool empty() const { return look().empty(); }
        const Shown& operator[](std::size_t i) const { return look()[i]; }
        const Shown& back() const { return look().back(); }
        auto begin() const { return look().begin(); }
        auto end() const { return look().end(); }
        void clear() { items_.clear(), seen_ = 0; }
        void push_back(Shown s) { items_.push_back(std::move(s)); }
        friend bool operator==(const ShownList& a, const std::vector<Shown>& b) { return a.look() == b; }

        // The first message the test has not looked at, or null.
        const Shown* firstUnseen() const { return seen_ < items_.size() ? &items_[seen_] : nullptr; }

    private:
        const std::vector<Shown>& look() const
        {
            seen_ = items_.size();
            return items_;
        }
        std::vector<Shown> items_;
        mutable std::size_t seen_ = 0;
    };

    void inform(const std::string& text) override { shown.push_back({"inform", text, {}}); }
    void error(const std::string& text) override { shown.push_back({"error", text, {}}); }
    bool confirm(const std::string& text, const std::string& caption) override
    {
        return answer({"confirm", text, caption});
    }
    bool question(const std::string& text, const std::string& caption) override
    {
        return answer({"question", text, caption});
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> t;
        for (const Shown& s : shown)
            t.push_back(s.text);
        return t;
    }
    std::size_t unanswered() const { return answers.size(); }

    ShownList shown;
    std::deque<bool> answers;
    bool unscripted = false; // a prompt came that the script did not answer

private:
    bool answer(Shown asked)
    {
        shown.push_back(std::move(asked));
        if (answers.empty()) {
            unscripted = true;
            return false;
        }
        const bool given = answers.front();
        answers.pop_front();
        return given;
    }
};
