#pragma once

#include "ui/ColorTrio.h"

#include <QDialog>

#include <functional>

class QHBoxLayout;
class QVBoxLayout;

namespace pickwell {

class StyleWindow;

// What the two style windows' views share. They live for the whole run and show or hide
// themselves as their form model says, without a modal loop of their own (the form model's
// Show returns at once); the close box and Escape are the form's close box while it is
// showing, and the program's own unload is let through.
class StyleWindowView : public QDialog {
    Q_OBJECT

public:
    // Escape is the close box.
    void reject() override;
    // Puts the window's live preview above its buttons.
    void SetPreview(QWidget* preview);

protected:
    StyleWindowView(StyleWindow& form, QWidget* owner, const QString& name, const QString& title);
    ~StyleWindowView() override;

    void closeEvent(QCloseEvent* event) override;

    ColorTrio::Handlers ColorHandlers();
    // "Restore Defaults" on the left, "OK" (the default) and "Cancel" on the right.
    QHBoxLayout* ButtonRow(std::function<void()> restoreDefaults);
    // Where SetPreview puts the preview; each window places it in its layout.
    QVBoxLayout* previewSlot() const { return m_previewSlot; }
    // Shows or hides the window as the form says and serves its focus request; the end of
    // every refresh.
    void FollowForm();

private:
    StyleWindow& m_form;
    QVBoxLayout* m_previewSlot;
};

} // namespace pickwell
