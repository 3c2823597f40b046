#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

namespace pickwell {

class TipForm;

// The Tip of the Day window over its form model.
class TipWindow : public QDialog {
    Q_OBJECT

public:
    TipWindow(TipForm& form, QWidget* owner);
    ~TipWindow() override;
    void reject() override;

private:
    void Refresh();

    TipForm& m_form;
    QLabel* m_tip;
    QCheckBox* m_showAtStartup;
};

} // namespace pickwell
