#include "ui/CodeWindow.h"

#include "codegen/CodeWindowForm.h"
#include "ui/ViewSync.h"
#include "ui/Widgets.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pickwell {
namespace {

// The texts name HTML tags, which a label would otherwise take for markup.
QLabel* PlainLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QPlainTextEdit* CodePane(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(name);
    pane->setAccessibleName(accessibleName);
    pane->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab leaves the pane, so that the keyboard reaches the buttons.
    pane->setTabChangesFocus(true);
    return pane;
}

struct CodeFrameParts {
    QGroupBox* frame;
    QPlainTextEdit* pane;
    QPushButton* copy;
};

// A titled frame holding its instruction, its code pane and the pane's copy button. The
// title's mnemonic reaches the pane.
CodeFrameParts CodeFrame(QWidget* parent, const QString& title, const QString& frameName,
                         const QString& instruction, const QString& instructionName,
                         const QString& paneName, const QString& copyCaption,
                         const QString& copyName) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(frameName);
    QLabel* label = PlainLabel(instruction, instructionName, frame);
    QPlainTextEdit* pane = CodePane(paneName, WithoutMnemonic(title), frame);
    QPushButton* copy = NamedButton(copyCaption, copyName, frame);
    auto* copyRow = new QHBoxLayout;
    copyRow->addStretch();
    copyRow->addWidget(copy);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(label);
    layout->addWidget(pane, 1);
    layout->addLayout(copyRow);
    return {frame, pane, copy};
}

void ShowPlainText(QPlainTextEdit* pane, const std::string& text, std::string& shown) {
    if (text != shown) {
        const QSignalBlocker block(pane);
        pane->setPlainText(ToQt(text));
        shown = text;
    }
}

} // namespace

CodeWindow::CodeWindow(CodeWindowForm& form, QWidget* owner)
    : QDialog(owner)
    , m_form(form) {
    setObjectName("Form3");
    setWindowTitle(ToQt(CodeWindowForm::Caption));

    const CodeFrameParts function = CodeFrame(
        this, tr("&Javascript Function Code"), "fraFunctionCode",
        tr("Copy and paste this code into the head section of your page (anywhere between the "
           "<HEAD> and </HEAD> tags)."),
        "lblFunctionCode", "Text1", tr("&Copy to Clipboard"), "cmdcopy1");
    function.copy->setAccessibleDescription(tr("Copies the Javascript function code"));
    m_functionCode = function.pane;

    const CodeFrameParts html = CodeFrame(
        this, tr("&HTML Code"), "fraHtmlCode",
        tr("Copy and paste this code into the body section of your page (anywhere between the "
           "<BODY> and </BODY> tags) wherever you want the menu to appear."),
        "lblHtmlCode", "Text2", tr("Copy to C&lipboard"), "cmdcopy2");
    html.copy->setAccessibleDescription(tr("Copies the HTML code"));
    m_htmlCode = html.pane;

    auto* note = PlainLabel(
        tr("Note: If you are placing more than one menu on the same page, you only need one "
           "occurence of the Javascript Function Code in the \"Head\" section of your page."),
        "lblNote", this);

    auto* save = NamedButton(tr("&Save to File"), "cmdsave", this);
    auto* done = NamedButton(tr("Done"), "cmddone", this);
    done->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(done);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(function.frame, 2);
    layout->addWidget(html.frame, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);

    // Room for a long line of code and a screenful of lines in the function pane.
    const QFontMetrics code(m_functionCode->font());
    resize(code.horizontalAdvance(QLatin1Char('x')) * 110, code.lineSpacing() * 42);

    connect(m_functionCode, &QPlainTextEdit::textChanged, this, [this] {
        m_shownFunctionCode = FromQt(m_functionCode->toPlainText());
        m_form.SetText1(m_shownFunctionCode);
    });
    connect(m_htmlCode, &QPlainTextEdit::textChanged, this, [this] {
        m_shownHtmlCode = FromQt(m_htmlCode->toPlainText());
        m_form.SetText2(m_shownHtmlCode);
    });
    connect(function.copy, &QPushButton::clicked, this, [this] { m_form.CopyText1(); });
    connect(html.copy, &QPushButton::clicked, this, [this] { m_form.CopyText2(); });
    connect(save, &QPushButton::clicked, this, [this] { m_form.SaveToFile(); });
    connect(done, &QPushButton::clicked, this, [this] { m_form.Done(); });

    m_form.SetChangedCallback([this] { Refresh(); });
    Refresh();
}

CodeWindow::~CodeWindow() {
    m_form.SetChangedCallback(nullptr);
}

void CodeWindow::reject() {
    m_form.Close();
}

void CodeWindow::Refresh() {
    ShowPlainText(m_functionCode, m_form.Text1().text, m_shownFunctionCode);
    ShowPlainText(m_htmlCode, m_form.Text2().text, m_shownHtmlCode);
    if (m_form.closed()) {
        QDialog::done(QDialog::Accepted);
    }
}

} // namespace pickwell
