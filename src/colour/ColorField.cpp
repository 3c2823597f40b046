#include "colour/ColorField.h"

#include "text/Utf8.h"

namespace pickwell {

ColorField::ColorField(int index, ColorFieldVariant variant, ColorFieldContext& context,
                       ColorFieldOwner& owner, ColorValue swatchColor)
    : m_index(index)
    , m_variant(variant)
    , m_context(context)
    , m_owner(owner)
    , m_swatchColor(swatchColor) {}

void ColorField::SetText(const std::string& text) {
    // A text box reports a change only when its text really changes.
    if (text == m_text) {
        return;
    }
    m_text = text;
    Change();
}

void ColorField::ShowInvalid(const char* text, bool withHelp) {
    Message message;
    message.title = "Oops!";
    message.text = text;
    message.icon = MessageIcon::Warning;
    if (withHelp) {
        message.buttons = MessageButtons::OkHelp;
        message.helpTopic = HelpTopic;
    }
    m_context.prompt.Show(message);
}

void ColorField::Change() {
    const bool style = m_variant == ColorFieldVariant::StyleWindow;
    if (style) {
        m_owner.BeforeColorChange(m_index);
    }
    const std::string text = m_text;
    const std::u32string chars = ToCodePoints(text);
    if (chars.size() == MaxLength) {
        if (style) {
            m_swatchOpaque = true;
        }
        for (std::size_t pos = 1; pos < chars.size(); ++pos) {
            const char32_t c = chars[pos];
            if (c > 0x7F || HexKeyFilter(static_cast<int>(c)) == 0) {
                ShowInvalid(InvalidWithSelectText, true);
                SetText(style ? ColorToHex(m_swatchColor) : std::string("#"));
                const int length = static_cast<int>(Utf8Length(m_text));
                m_owner.FocusColorField(m_index, 1, style ? length - 1 : length);
                return;
            }
        }
        if (const auto color = PreviewColorFor(text)) {
            m_swatchColor = *color;
        } else {
            ShowInvalid(InvalidText, false);
            SetText("#000000");
        }
    } else if (style) {
        m_swatchOpaque = false;
    } else {
        m_swatchColor = WindowBackground;
    }
    if (m_text.empty() || m_text.front() != '#') {
        SetText("#" + m_text);
        m_selectionStart = static_cast<int>(Utf8Length(m_text));
        m_selectionLength = 0;
    }
    if (style) {
        m_owner.AfterColorChange(m_index);
    }
}

ColorField::KeyResult ColorField::KeyPress(int key) {
    return {HexKeyFilter(key), key == KeyEnter};
}

void ColorField::LostFocus() {
    // Taking the focus back from a field that is itself invalid would otherwise answer
    // message with message.
    if (m_context.lostFocusMessageShowing || Utf8Length(m_text) == MaxLength) {
        return;
    }
    m_context.lostFocusMessageShowing = true;
    ShowInvalid(InvalidWithSelectText, true);
    SetText("#000000");
    m_owner.FocusColorField(m_index, 1, static_cast<int>(Utf8Length(m_text)) - 1);
    m_context.lostFocusMessageShowing = false;
}

void ColorField::Pick() {
    // The Select button is disabled with its field; a disabled field is not the user's to change.
    if (!m_enabled) {
        return;
    }
    const bool style = m_variant == ColorFieldVariant::StyleWindow;
    const ColorValue chosen = m_context.customColors.ShowColorDialog(
        m_context.colorDialog, style ? m_swatchColor : 0, true);
    if (chosen == -1) {
        return;
    }
    m_swatchColor = chosen;
    SetText(ColorToHex(TranslateSystemColor(m_swatchColor)));
    if (style) {
        m_owner.AfterColorPick(m_index);
    }
}

} // namespace pickwell
