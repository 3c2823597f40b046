#pragma once

#include <QDialog>

#include <array>

class QLineEdit;

namespace pickwell {

class TellAFriendForm;

// The tell-a-friend window over its form model.
class TellAFriendWindow : public QDialog {
    Q_OBJECT

public:
    TellAFriendWindow(TellAFriendForm& form, QWidget* owner);
    ~TellAFriendWindow() override;
    void reject() override;

private:
    TellAFriendForm& m_form;
    std::array<QLineEdit*, 5> m_addresses{};
};

} // namespace pickwell
