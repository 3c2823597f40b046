#include "colour/ColorField.h"

#include "ActingPrompt.h"
#include "ScriptedColorDialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

namespace pickwell {
namespace {

constexpr const char* WithSelectText =
    "Please enter a valid color value or click \"Select\" to choose a color.";

struct RecordingOwner : ColorFieldOwner {
    void FocusColorField(int index, int selectionStart, int selectionLength) override {
        focus.push_back({index, selectionStart, selectionLength});
    }
    void BeforeColorChange(int) override { ++before; }
    void AfterColorChange(int) override { ++after; }
    void AfterColorPick(int) override { ++picked; }

    struct Focus {
        int index, start, length;
        bool operator==(const Focus&) const = default;
    };
    std::vector<Focus> focus;
    int before = 0;
    int after = 0;
    int picked = 0;
};

class ColorFieldTest : public testing::TestWithParam<ColorFieldVariant> {
protected:
    bool style() const { return GetParam() == ColorFieldVariant::StyleWindow; }

    // Sends keystrokes through the field's filter, as typing at the end of the text does.
    void Type(const std::string& keys) {
        for (const char key : keys) {
            const int code = ColorField::KeyPress(key).key;
            if (code == 0) {
                continue;
            }
            std::string text = field.text();
            if (code == KeyBackspace) {
                text.pop_back();
            } else {
                text += static_cast<char>(code);
            }
            field.SetText(text);
        }
    }

    ActingPrompt prompt;
    ScriptedColorDialog dialog;
    ColorFieldContext context{prompt, dialog, {}, false};
    RecordingOwner owner;
    ColorField field{0, GetParam(), context, owner, 0x000000};
};

INSTANTIATE_TEST_SUITE_P(BothWindows, ColorFieldTest,
                         testing::Values(ColorFieldVariant::MainWindow,
                                         ColorFieldVariant::StyleWindow),
                         [](const auto& info) {
                             return info.param == ColorFieldVariant::MainWindow ? "Main" : "Style";
                         });

TEST_P(ColorFieldTest, ClearingLeavesTheHashAndAnUnpaintedSwatch) {
    field.SetText("#102030");
    field.SetText("");

    EXPECT_EQ("#", field.text());
    EXPECT_EQ(1, field.selectionStart());
    if (style()) {
        EXPECT_FALSE(field.swatchOpaque());
    } else {
        EXPECT_EQ(WindowBackground, field.swatchColor());
    }
}

TEST_P(ColorFieldTest, TypingPaintsTheSwatchWhenTheSixthDigitArrives) {
    field.SetText("");
    Type("ff800");
    EXPECT_EQ("#FF800", field.text());
    EXPECT_EQ(style() ? 0x000000 : WindowBackground, field.swatchColor());

    Type("0");
    EXPECT_EQ("#FF8000", field.text());
    EXPECT_EQ(0x0080FF, field.swatchColor());
    EXPECT_TRUE(field.swatchOpaque());

    Type("#g \b");
    EXPECT_EQ("#FF800", field.text());
    EXPECT_TRUE(ColorField::KeyPress(KeyEnter).focusNext);
    EXPECT_EQ(0, ColorField::KeyPress(KeyEnter).key);
}

TEST_P(ColorFieldTest, PastingABadCharacterIsRefusedWithTheHelpMessage) {
    field.SetText("#112233");
    prompt.Expect("Oops!");
    field.SetText("#12345Z");

    const Message& shown = prompt.last();
    EXPECT_EQ(WithSelectText, shown.text);
    EXPECT_EQ(MessageIcon::Warning, shown.icon);
    EXPECT_EQ(MessageButtons::OkHelp, shown.buttons);
    EXPECT_EQ("colors", shown.helpTopic);
    ASSERT_EQ(1u, owner.focus.size());
    if (style()) {
        // The swatch still shows the last good colour, and its text comes back.
        EXPECT_EQ("#112233", field.text());
        EXPECT_EQ(0x332211, field.swatchColor());
        EXPECT_EQ((RecordingOwner::Focus{0, 1, 6}), owner.focus.back());
    } else {
        EXPECT_EQ("#", field.text());
        EXPECT_EQ(WindowBackground, field.swatchColor());
        EXPECT_EQ((RecordingOwner::Focus{0, 1, 1}), owner.focus.back());
    }
}

TEST_P(ColorFieldTest, PastingSevenDigitsPaintsThenGrowsPastSevenAndFailsOnLeaving) {
    field.SetText("1234567");

    EXPECT_EQ("#1234567", field.text());
    EXPECT_EQ(8, field.selectionStart());
    if (style()) {
        EXPECT_EQ(0x674523, field.swatchColor()); // painted, then hidden
        EXPECT_FALSE(field.swatchOpaque());
    } else {
        EXPECT_EQ(WindowBackground, field.swatchColor());
    }

    prompt.Expect("Oops!");
    field.LostFocus();
    EXPECT_EQ(WithSelectText, prompt.last().text);
    EXPECT_EQ(MessageButtons::OkHelp, prompt.last().buttons);
    EXPECT_EQ("#000000", field.text());
    EXPECT_EQ(0x000000, field.swatchColor());
    EXPECT_EQ((RecordingOwner::Focus{0, 1, 6}), owner.focus.back());
}

TEST_P(ColorFieldTest, LeavingIsCheckedByLengthOnly) {
    field.SetText("#abcdef");
    field.LostFocus();
    EXPECT_EQ("#abcdef", field.text()); // lower case passes and is kept
    EXPECT_EQ(0x0FF0CD, field.swatchColor());

    field.SetText("#12");
    prompt.Expect("Oops!");
    field.LostFocus();
    EXPECT_EQ("#000000", field.text());
    EXPECT_EQ((RecordingOwner::Focus{0, 1, 6}), owner.focus.back());
}

TEST_P(ColorFieldTest, ATextThatCannotBePaintedBecomesBlack) {
    // The first character is not checked, and a non-ASCII one overflows the conversion.
    field.SetText("#FFFFFF");
    prompt.Expect("Oops!");
    field.SetText("\xC3\xA9"
                  "123456");

    EXPECT_EQ("Please enter a valid color value.", prompt.last().text);
    EXPECT_EQ(MessageButtons::Ok, prompt.last().buttons);
    EXPECT_EQ(MessageIcon::Warning, prompt.last().icon);
    EXPECT_EQ("#000000", field.text());
    EXPECT_EQ(0x000000, field.swatchColor());
}

TEST_P(ColorFieldTest, PickerWritesUpperCaseAndCancelChangesNothing) {
    field.SetText("#102030");
    dialog.answers = {0x0080FF, std::nullopt};

    field.Pick();
    EXPECT_EQ("#FF8000", field.text());
    EXPECT_EQ(0x0080FF, field.swatchColor());
    EXPECT_TRUE(dialog.lastFullOpen);
    EXPECT_EQ(style() ? 0x302010 : 0, dialog.lastInitial);

    const int changes = owner.before;
    field.Pick();
    EXPECT_EQ("#FF8000", field.text());
    EXPECT_EQ(0x0080FF, field.swatchColor());
    EXPECT_EQ(changes, owner.before);
    EXPECT_EQ(style() ? 1 : 0, owner.picked);

    field.SetEnabled(false);
    dialog.answers = {0x000080};
    field.Pick();
    EXPECT_EQ(2, dialog.calls);
    EXPECT_EQ("#FF8000", field.text());
}

TEST(ColorFieldStyleWindow, HooksRunAroundEveryChangeButNotAfterARefusal) {
    ActingPrompt prompt;
    ScriptedColorDialog dialog;
    ColorFieldContext context{prompt, dialog, {}, false};
    RecordingOwner owner;
    ColorField field{2, ColorFieldVariant::StyleWindow, context, owner, 0xFFFFFF};

    field.SetText("#808080");
    EXPECT_EQ(1, owner.before);
    EXPECT_EQ(1, owner.after);

    // The refused text runs no after-hook; its replacement does.
    prompt.Expect("Oops!");
    field.SetText("#80808X");
    EXPECT_EQ(3, owner.before);
    EXPECT_EQ(2, owner.after);
    EXPECT_EQ("#808080", field.text());
}

// Two invalid fields and a window system that takes the focus from the focused control
// whenever a message box opens, gives it back when the box closes, and then carries out the
// field's request for the focus.
class TwoFieldFocus : public testing::Test, public ColorFieldOwner {
protected:
    void FocusColorField(int index, int, int) override { m_requested = index; }

    void MoveFocus(int to) {
        m_requested = to;
        while (m_requested) {
            const int next = *m_requested;
            m_requested.reset();
            const int from = m_focused;
            m_focused = next;
            if (from >= 0 && from != next) {
                fields[from].LostFocus();
            }
        }
    }

    void SetUp() override {
        prompt.whileShown = [this](const Message&) {
            if (++boxes > 10) {
                throw std::runtime_error("the messages do not stop");
            }
            maxOpen = std::max(maxOpen, ++m_open);
            const int holder = m_focused;
            m_focused = -1;
            if (holder >= 0) {
                fields[holder].LostFocus();
            }
            m_focused = holder;
            --m_open;
        };
        fields[0].SetText("#12");
        fields[1].SetText("#3");
        m_focused = 0;
    }

    ActingPrompt prompt;
    ScriptedColorDialog dialog;
    ColorFieldContext context{prompt, dialog, {}, false};
    std::vector<ColorField> fields{
        ColorField(0, ColorFieldVariant::MainWindow, context, *this, 0),
        ColorField(1, ColorFieldVariant::StyleWindow, context, *this, 0)};
    int boxes = 0;
    int maxOpen = 0;

private:
    int m_open = 0;
    int m_focused = -1;
    std::optional<int> m_requested;
};

TEST_F(TwoFieldFocus, EachLossOfFocusShowsOneMessageAndTheExchangeEnds) {
    prompt.Expect("Oops!");
    prompt.Expect("Oops!");

    ASSERT_NO_THROW(MoveFocus(1));

    // The first field complains once; taking the focus back makes the second complain once.
    EXPECT_EQ(2, boxes);
    EXPECT_EQ(1, maxOpen); // never a box over a box
    EXPECT_EQ("#000000", fields[0].text());
    EXPECT_EQ("#000000", fields[1].text());
    EXPECT_FALSE(context.lostFocusMessageShowing);
}

} // namespace
} // namespace pickwell
