#pragma once

#include <QDialog>

class QCheckBox;

namespace pickwell {

class NoticeForm;

// One of the one-time notices: its text beside an icon, the "Show this message again" box and
// OK, or Yes and No for the restore warning. It finishes as soon as the notice has closed.
class NoticeWindow : public QDialog {
    Q_OBJECT

public:
    explicit NoticeWindow(NoticeForm& notice, QWidget* owner = nullptr);
    ~NoticeWindow() override;

    // Escape and the close box close the notice without an answer.
    void reject() override;

private:
    void Refresh();

    NoticeForm& m_notice;
    QCheckBox* m_showAgain;
};

} // namespace pickwell
