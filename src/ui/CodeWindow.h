#pragma once

#include <QDialog>

#include <string>

class QPlainTextEdit;

namespace pickwell {

class CodeWindowForm;

// The Generated Menu Code window: the two code panes with their copy buttons, "Save to File"
// and "Done". It lives for one generation and finishes when its form model has closed.
class CodeWindow : public QDialog {
    Q_OBJECT

public:
    explicit CodeWindow(CodeWindowForm& form, QWidget* owner = nullptr);
    ~CodeWindow() override;

    // Escape and the close box are the same as "Done".
    void reject() override;

private:
    void Refresh();

    CodeWindowForm& m_form;
    QPlainTextEdit* m_functionCode;
    QPlainTextEdit* m_htmlCode;
    // What each pane was last given or sent: the pane turns CR LF into its own line ends, so
    // comparing with its text would refill it, caret and scroll position lost, at every change.
    std::string m_shownFunctionCode;
    std::string m_shownHtmlCode;
};

} // namespace pickwell
