#pragma once

#include <QLineEdit>

#include <functional>

namespace pickwell {

// A text field whose typed characters pass a keystroke filter first (the filter gives the
// character that reaches the field, 0 to drop it) and that reports losing the focus to
// another control of the program. Shortcuts, editing and navigation keys pass untouched.
// `maxTyped` limits what typing and pasting can make of the text; a text the program sets
// is never cut.
class FilteredLineEdit : public QLineEdit {
public:
    using KeyFilter = std::function<int(int key)>;

    explicit FilteredLineEdit(QWidget* parent = nullptr);

    void SetKeyFilter(KeyFilter filter) { m_filter = std::move(filter); }
    void SetMaxTyped(int length);
    void SetLostFocusHandler(std::function<void()> handler) { m_lostFocus = std::move(handler); }
    // Enter moves the focus on instead of reaching the field.
    void SetEnterMovesFocus(bool moves) { m_enterMovesFocus = moves; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    KeyFilter m_filter;
    std::function<void()> m_lostFocus;
    bool m_enterMovesFocus = false;
};

} // namespace pickwell
