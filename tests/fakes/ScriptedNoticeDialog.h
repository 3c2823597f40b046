#pragma once

#include "platform/NoticeDialog.h"
#include "style/NoticeForm.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace pickwell {

// How the scripted user leaves a notice.
enum class NoticeAction { Ok, Yes, No, Close };

// Answers notices from a queue: sets "Show this message again" as scripted, then presses the
// button or closes the notice. A notice the test did not expect, or of another kind, fails
// the test; so does an expectation left unanswered.
class ScriptedNoticeDialog : public NoticeDialog {
public:
    ~ScriptedNoticeDialog() override {
        for (const auto& e : m_expected) {
            ADD_FAILURE() << "expected notice " << static_cast<int>(e.kind) << " was never shown";
        }
    }

    void Expect(NoticeKind kind, NoticeAction action, bool showAgain = true) {
        m_expected.push_back({kind, action, showAgain});
    }

    void ShowModal(NoticeForm& notice) override {
        shown.push_back(notice.kind());
        owners.push_back(notice.owner());
        EXPECT_EQ(1, notice.Check1().value) << "a notice opens with its box ticked";
        if (m_expected.empty()) {
            ADD_FAILURE() << "unexpected notice " << notice.windowName() << ": " << notice.text();
            notice.Close();
            return;
        }
        const Expectation next = m_expected.front();
        m_expected.pop_front();
        EXPECT_EQ(next.kind, notice.kind()) << notice.windowName();
        notice.SetShowAgain(next.showAgain ? 1 : 0);
        switch (next.action) {
        case NoticeAction::Ok:
            notice.Ok();
            break;
        case NoticeAction::Yes:
            notice.Yes();
            break;
        case NoticeAction::No:
            notice.No();
            break;
        case NoticeAction::Close:
            notice.Close();
            break;
        }
        EXPECT_TRUE(notice.closed())
            << "the scripted button does not belong to " << notice.windowName();
    }

    std::vector<NoticeKind> shown;
    std::vector<std::string> owners;

private:
    struct Expectation {
        NoticeKind kind;
        NoticeAction action;
        bool showAgain;
    };
    std::deque<Expectation> m_expected;
};

} // namespace pickwell
