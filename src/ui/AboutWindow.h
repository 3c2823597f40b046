#pragma once

#include <QDialog>

namespace pickwell {

class AboutForm;

// The About window over its form model; its web and mail lines are links.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    AboutWindow(AboutForm& form, QWidget* owner);
    ~AboutWindow() override;
    void reject() override;

private:
    AboutForm& m_form;
};

} // namespace pickwell
