// How the core asks the user something or tells them. The core never shows UI
// itself: the editor answers through its message-box seam, the command-line
// tool from its flags, tests from a script. Every box has the program's name
// as its caption.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

enum class PromptButtons { Ok, YesNo, YesNoCancel };
enum class PromptIcon { None, Information, Question, Stop };
enum class PromptAnswer { Ok, Yes, No, Cancel };

class IUserPrompt {
public:
    virtual ~IUserPrompt() = default;

    // Shows `text` with these buttons and icon and returns the button chosen:
    // Ok for an Ok box; Yes or No for Yes/No; Yes, No or Cancel for
    // Yes/No/Cancel (closing the box is Cancel there, No for Yes/No).
    virtual PromptAnswer Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) = 0;

    // A Yes/No question with a stop icon (the image header question); true
    // means Yes.
    bool AskYesNo(std::string_view text) {
        return Ask(text, PromptButtons::YesNo, PromptIcon::Stop) == PromptAnswer::Yes;
    }
    // A Yes/No question with a question icon (delete confirmations).
    bool Confirm(std::string_view text) {
        return Ask(text, PromptButtons::YesNo, PromptIcon::Question) == PromptAnswer::Yes;
    }
    // Yes / No / Cancel with a question icon (save unsaved changes first?).
    PromptAnswer AskYesNoCancel(std::string_view text) {
        return Ask(text, PromptButtons::YesNoCancel, PromptIcon::Question);
    }
    // A message with an OK button.
    void Inform(std::string_view text, PromptIcon icon = PromptIcon::None) {
        Ask(text, PromptButtons::Ok, icon);
    }
    // A failure: OK button and stop icon.
    void Error(std::string_view text) { Ask(text, PromptButtons::Ok, PromptIcon::Stop); }
};

// Gives the same answer to every question: Yes or No (No also for
// Yes/No/Cancel, which never cancels).
class CFixedAnswerPrompt final : public IUserPrompt {
public:
    explicit CFixedAnswerPrompt(bool answer) : m_bAnswer(answer) {}
    PromptAnswer Ask(std::string_view, PromptButtons buttons, PromptIcon) override {
        if (buttons == PromptButtons::Ok)
            return PromptAnswer::Ok;
        return m_bAnswer ? PromptAnswer::Yes : PromptAnswer::No;
    }

private:
    bool m_bAnswer;
};

// Answers questions from a queue set up in advance and records every box
// shown. An unexpected question (empty queue) is answered No on Yes/No and
// Cancel on Yes/No/Cancel: the answers that change nothing.
class CScriptedPrompt final : public IUserPrompt {
public:
    struct Shown {
        std::string text;
        PromptButtons buttons;
        PromptIcon icon;
    };

    void ExpectAnswer(bool answer) {
        m_answers.push_back(answer ? PromptAnswer::Yes : PromptAnswer::No);
    }
    void ExpectAnswer(PromptAnswer answer) { m_answers.push_back(answer); }

    PromptAnswer Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) override {
        m_shown.push_back({std::string(text), buttons, icon});
        if (buttons == PromptButtons::Ok) {
            m_informed.emplace_back(text);
            return PromptAnswer::Ok;
        }
        m_asked.emplace_back(text);
        const PromptAnswer none =
            buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
        if (m_answers.empty())
            return none;
        PromptAnswer answer = m_answers.front();
        m_answers.pop_front();
        if (answer == PromptAnswer::Ok ||
            (answer == PromptAnswer::Cancel && buttons == PromptButtons::YesNo))
            answer = none; // not a button of this box
        return answer;
    }

    // Texts of the questions, of the OK boxes, and every box in order.
    const std::vector<std::string>& Asked() const { return m_asked; }
    const std::vector<std::string>& Informed() const { return m_informed; }
    const std::vector<Shown>& AllShown() const { return m_shown; }

private:
    std::deque<PromptAnswer> m_answers;
    std::vector<std::string> m_asked, m_informed;
    std::vector<Shown> m_shown;
};
