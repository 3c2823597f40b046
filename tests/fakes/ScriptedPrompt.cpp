#include "ScriptedPrompt.h"

#include <gtest/gtest.h>

namespace pickwell {

ScriptedPrompt::~ScriptedPrompt() {
    for (const auto& e : m_expected) {
        ADD_FAILURE() << "expected message box \"" << e.title << "\" was never shown";
    }
}

void ScriptedPrompt::Expect(std::string title, Button answer) {
    m_expected.push_back({std::move(title), answer});
}

Button ScriptedPrompt::Show(const Message& message) {
    m_shown.push_back(message);
    if (m_expected.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << message.title << "\": " << message.text;
        return Button::Cancel;
    }
    const Expectation next = m_expected.front();
    m_expected.pop_front();
    EXPECT_EQ(next.title, message.title) << message.text;
    return next.answer;
}

} // namespace pickwell
