#include "platform/qt/QtPrompt.h"
#include "DialogDriver.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pickwell {
namespace {

// Clicks a standard button; NoButton presses Escape.
void Press(QMessageBox& box, QMessageBox::StandardButton button) {
    if (button == QMessageBox::NoButton) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&box, &escape);
        return;
    }
    ASSERT_NE(nullptr, box.button(button));
    box.button(button)->click();
}

class QtPromptTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }

    QtPrompt prompt;
};

TEST_F(QtPromptTest, ShowsTheMessageAsPlainTextAndReturnsTheAnswer) {
    using QB = QMessageBox;
    struct Case {
        MessageButtons buttons;
        MessageIcon icon;
        Button defaultButton;
        QB::StandardButtons shown;
        QB::Icon shownIcon;
        QB::StandardButton shownDefault;
        QB::StandardButton press;
        Button answer;
    };
    const std::vector<Case> cases = {
        {MessageButtons::Ok, MessageIcon::Information, Button::Ok, QB::Ok, QB::Information, QB::Ok,
         QB::NoButton, Button::Ok},
        // Without a help handler there is nothing for Help to open.
        {MessageButtons::OkHelp, MessageIcon::None, Button::Ok, QB::Ok, QB::NoIcon, QB::Ok, QB::Ok,
         Button::Ok},
        {MessageButtons::YesNo, MessageIcon::Question, Button::No, QB::Yes | QB::No, QB::Question,
         QB::No, QB::Yes, Button::Yes},
        {MessageButtons::YesNo, MessageIcon::Warning, Button::Yes, QB::Yes | QB::No, QB::Warning,
         QB::Yes, QB::NoButton, Button::No},
        {MessageButtons::YesNoCancel, MessageIcon::Critical, Button::Yes,
         QB::Yes | QB::No | QB::Cancel, QB::Critical, QB::Yes, QB::No, Button::No},
        {MessageButtons::YesNoCancel, MessageIcon::Warning, Button::Yes,
         QB::Yes | QB::No | QB::Cancel, QB::Warning, QB::Yes, QB::NoButton, Button::Cancel},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const Case& c = cases[i];
        DialogDriver driver;
        driver.Then<QMessageBox>([&c](QMessageBox& box) {
            EXPECT_EQ("Save Project?", box.windowTitle().toStdString());
            EXPECT_EQ(Qt::PlainText, box.textFormat());
            EXPECT_EQ("A <b>menu</b>.\n\nSave it?", box.text().toStdString());
            EXPECT_EQ(c.shownIcon, box.icon());
            EXPECT_EQ(int(c.shown), int(box.standardButtons()));
            EXPECT_EQ(box.button(c.shownDefault), box.defaultButton());
            Press(box, c.press);
        });
        EXPECT_EQ(c.answer, prompt.Show({"Save Project?", "A <b>menu</b>.\r\n\r\nSave it?", c.icon,
                                         c.buttons, c.defaultButton, ""}));
    }
}

TEST_F(QtPromptTest, HelpOpensTheTopicAndTheBoxStaysForTheAnswer) {
    std::vector<std::string> topics;
    prompt.SetHelpHandler([&topics](const std::string& topic) { topics.push_back(topic); });
    DialogDriver driver;
    driver.Then<QMessageBox>([](QMessageBox& box) { Press(box, QMessageBox::Help); })
        .Then<QMessageBox>([&topics](QMessageBox& box) {
            EXPECT_EQ(std::vector<std::string>{"colour_values"}, topics);
            Press(box, QMessageBox::Ok);
        });
    EXPECT_EQ(Button::Ok, prompt.Show({"Oops!", "Not a colour.", MessageIcon::Warning,
                                       MessageButtons::OkHelp, Button::Ok, "colour_values"}));
    EXPECT_EQ(1u, topics.size());
}

// Two named choices; Escape leaves the matter for later, although no Cancel button shows.
TEST_F(QtPromptTest, TwoChoicesShowTheirCaptionsAndEscapeAnswersCancel) {
    Message message;
    message.title = "Restore Unsaved Work?";
    message.buttons = MessageButtons::TwoChoices;
    message.defaultButton = Button::Yes;
    message.yesText = "Restore";
    message.noText = "Discard";
    for (const auto& [press, answer] : {std::pair{QMessageBox::No, Button::No},
                                        std::pair{QMessageBox::NoButton, Button::Cancel}}) {
        DialogDriver driver;
        driver.Then<QMessageBox>([press](QMessageBox& box) {
            EXPECT_EQ("Restore", box.button(QMessageBox::Yes)->text().toStdString());
            EXPECT_EQ("Discard", box.button(QMessageBox::No)->text().toStdString());
            EXPECT_EQ(box.button(QMessageBox::Yes), box.defaultButton());
            EXPECT_FALSE(box.button(QMessageBox::Cancel)->isVisible());
            Press(box, press);
        });
        EXPECT_EQ(answer, prompt.Show(message));
    }
}

} // namespace
} // namespace pickwell
