#pragma once
#include <string>
#include <vector>

// The message seam. Core operations never show anything themselves: they
// pass the exact text (UTF-8) to a Messenger. The user interface shows it in
// a message box; tests script the answers.
class Messenger {
public:
    virtual ~Messenger() = default;
    // A plain message box with an OK button.
    virtual void inform(const std::string& text) = 0;
    // A box with OK and Cancel; true for OK.
    virtual bool confirm(const std::string& text, const std::string& caption) = 0;
    // A question with the buttons "Tak" and "Nie"; true for "Tak".
    virtual bool question(const std::string& text, const std::string& caption) { return confirm(text, caption); }
    // The standard error box for an input/output error the command did not handle.
    virtual void error(const std::string& text) { inform(text); }
};

// Collects messages; answers every confirmation with `answer`. For the core's
// own use (exporter, tests) where nobody is asked.
class CollectingMessenger : public Messenger {
public:
    explicit CollectingMessenger(bool answer = true) : answer_(answer) {}
    void inform(const std::string& text) override { messages.push_back(text); }
    bool confirm(const std::string& text, const std::string& caption) override
    {
        messages.push_back(caption.empty() ? text : caption + ": " + text);
        return answer_;
    }
    std::vector<std::string> messages;

private:
    bool answer_;
};
