// How the core asks the user something. The core never shows UI itself: the
// editor answers with a message box, the command-line tool with a flag, tests
// with a script.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

class IUserPrompt {
public:
    virtual ~IUserPrompt() = default;
    // A Yes/No question with a stop icon; true means Yes.
    virtual bool AskYesNo(std::string_view text) = 0;
    // A message with an OK button; nothing to answer.
    virtual void Inform(std::string_view text) = 0;
};

// Gives the same answer to every question.
class CFixedAnswerPrompt final : public IUserPrompt {
public:
    explicit CFixedAnswerPrompt(bool answer) : m_bAnswer(answer) {}
    bool AskYesNo(std::string_view) override { return m_bAnswer; }
    void Inform(std::string_view) override {}

private:
    bool m_bAnswer;
};

// Answers from a queue set up in advance and records every question asked;
// an unexpected question (empty queue) is answered No.
class CScriptedPrompt final : public IUserPrompt {
public:
    void ExpectAnswer(bool answer) { m_answers.push_back(answer); }
    bool AskYesNo(std::string_view text) override {
        m_asked.emplace_back(text);
        if (m_answers.empty())
            return false;
        const bool answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    void Inform(std::string_view text) override { m_informed.emplace_back(text); }
    const std::vector<std::string>& Asked() const { return m_asked; }
    const std::vector<std::string>& Informed() const { return m_informed; }

private:
    std::vector<std::string> m_informed;
    std::deque<bool> m_answers;
    std::vector<std::string> m_asked;
};
