#pragma once

#include <QGroupBox>

#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pickwell {

class ColorTrio;
class LinkLineEdit;
class MainForm;

// The item editor of the main window: the "Item Properties:" frame with the item text and
// link, the "Advanced Item Options:" frame with the link, heading, selection and colour
// options, and the Add and Update buttons.
class ItemEditorPane : public QGroupBox {
    Q_OBJECT

public:
    ItemEditorPane(MainForm& form, QWidget* parent);
    ~ItemEditorPane() override;

    void Show();

private:
    MainForm& m_form;
    QLineEdit* m_itemtexttext;
    LinkLineEdit* m_linktext;
    QCheckBox* m_notlinkchk;
    QCheckBox* m_grheadchk;
    QCheckBox* m_chksel;
    QCheckBox* m_chkdefitmclr;
    std::array<std::unique_ptr<ColorTrio>, 2> m_colors;
    QPushButton* m_additemcmd;
    QPushButton* m_cmdup;
    QLabel* m_linklbl;
    QLabel* m_linkwarnlbl;
};

} // namespace pickwell
