#pragma once

#include "colour/ColorValues.h"
#include "platform/ColorDialog.h"
#include "platform/Prompt.h"

#include <string>

namespace pickwell {

// What every colour field of a run shares: the message boxes, the colour dialog with its
// custom colours, and the guard that keeps loss-of-focus messages from nesting.
struct ColorFieldContext {
    Prompt& prompt;
    ColorDialog& colorDialog;
    CustomColors customColors;
    bool lostFocusMessageShowing = false;
};

// The main window's item colours behave slightly differently from the style windows' colours.
enum class ColorFieldVariant { MainWindow, StyleWindow };

// The window around a colour field: where its focus requests and its window-specific steps go.
class ColorFieldOwner {
public:
    virtual ~ColorFieldOwner() = default;
    // Asks for the focus on field `index`, with the given text selected.
    virtual void FocusColorField(int index, int selectionStart, int selectionLength) = 0;
    // Runs before the change handling of field `index` (the button window marks the project).
    virtual void BeforeColorChange(int /*index*/) {}
    // Runs after a change that was not refused (the button window copies border colours).
    virtual void AfterColorChange(int /*index*/) {}
    // Runs after a colour was chosen in the dialog.
    virtual void AfterColorPick(int /*index*/) {}
};

// One colour entry trio: the text field txtclr(i), its swatch lblclr(i) and the picker
// button cmdclr(i). Setting the text runs the change handling, nested as in a window.
class ColorField {
public:
    static constexpr int MaxLength = 7;
    static constexpr const char* InvalidWithSelectText =
        "Please enter a valid color value or click \"Select\" to choose a color.";
    static constexpr const char* InvalidText = "Please enter a valid color value.";
    static constexpr const char* HelpTopic = "colors";

    ColorField(int index, ColorFieldVariant variant, ColorFieldContext& context,
               ColorFieldOwner& owner, ColorValue swatchColor);

    int index() const { return m_index; }
    const std::string& text() const { return m_text; }
    ColorValue swatchColor() const { return m_swatchColor; }
    bool swatchOpaque() const { return m_swatchOpaque; }
    bool enabled() const { return m_enabled; }
    int selectionStart() const { return m_selectionStart; }
    int selectionLength() const { return m_selectionLength; }

    void SetEnabled(bool enabled) { m_enabled = enabled; }
    void SetSwatchColor(ColorValue color) { m_swatchColor = color; }
    void SetSwatchOpaque(bool opaque) { m_swatchOpaque = opaque; }

    // Sets the text and runs the change handling, as typing or pasting would.
    void SetText(const std::string& text);
    // Runs the change handling on the current text.
    void Change();

    struct KeyResult {
        int key;        // what reaches the field; 0 when discarded
        bool focusNext; // Enter moves the focus to the next control
    };
    static KeyResult KeyPress(int key);

    void LostFocus();
    // The picker button: asks the colour dialog and takes the chosen colour.
    void Pick();

private:
    void ShowInvalid(const char* text, bool withHelp);

    int m_index;
    ColorFieldVariant m_variant;
    ColorFieldContext& m_context;
    ColorFieldOwner& m_owner;
    std::string m_text;
    ColorValue m_swatchColor;
    bool m_swatchOpaque = true;
    bool m_enabled = true;
    int m_selectionStart = 0;
    int m_selectionLength = 0;
};

} // namespace pickwell
