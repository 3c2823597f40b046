#pragma once

#include "platform/Prompt.h"

#include <deque>
#include <string>
#include <vector>

namespace pickwell {

// Answers message boxes from a queue of expected titles. A box the test did not expect, or
// one with another title, fails the test; so does an expectation left unanswered.
class ScriptedPrompt : public Prompt {
public:
    ~ScriptedPrompt() override;

    void Expect(std::string title, Button answer = Button::Ok);
    Button Show(const Message& message) override;

    const std::vector<Message>& shown() const { return m_shown; }
    const Message& last() const { return m_shown.back(); }

private:
    struct Expectation {
        std::string title;
        Button answer;
    };
    std::deque<Expectation> m_expected;
    std::vector<Message> m_shown;
};

} // namespace pickwell
