#pragma once

#include "platform/LinkProbe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pickwell {

// Keeps the addresses it is asked about; the test hands on each answer when it likes, as the
// event loop would, and sees whether the probe was cancelled.
class ScriptedLinkProbe : public LinkProbe {
public:
    void Probe(std::vector<std::string> addresses, int timeoutSeconds, Answered answered) override {
        m_addresses = std::move(addresses);
        m_timeoutSeconds = timeoutSeconds;
        m_answered = std::move(answered);
    }
    void Cancel() override {
        m_answered = nullptr;
        ++m_cancels;
    }

    void Answer(std::size_t index, const LinkAnswer& answer) {
        ASSERT_TRUE(m_answered) << "an answer after Cancel";
        m_answered(index, answer);
    }
    void AnswerStatus(std::size_t index, int status) {
        Answer(index, {LinkAnswer::Outcome::Answered, status, {}, {}});
    }
    bool probing() const { return static_cast<bool>(m_answered); }
    const std::vector<std::string>& addresses() const { return m_addresses; }
    int timeoutSeconds() const { return m_timeoutSeconds; }
    int cancels() const { return m_cancels; }

private:
    std::vector<std::string> m_addresses;
    int m_timeoutSeconds = 0;
    Answered m_answered;
    int m_cancels = 0;
};

} // namespace pickwell
