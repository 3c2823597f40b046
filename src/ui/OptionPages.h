#pragma once

#include <QTabWidget>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pickwell {

class FilteredLineEdit;
class MainForm;

// The main window's option tabs SSTab1: "Menu Properties" (menu name, navigation, alignment,
// link target and frame, the code form and the options of a menu for a whole site) and "Button
// Properties" (button kind, text, graphic). The two style buttons open their windows through the
// handlers the main window gives.
class OptionPages : public QTabWidget {
    Q_OBJECT

public:
    OptionPages(MainForm& form, std::function<void()> openMenuStyle,
                std::function<void()> openButtonStyle, QWidget* parent);

    void Show();

private:
    QWidget* BuildMenuPage();
    QWidget* BuildButtonPage();
    // The options for a menu that serves a whole site, in `row` and the row below it.
    void BuildSiteOptions(QGridLayout* grid, int row);

    MainForm& m_form;
    std::function<void()> m_openMenuStyle;
    std::function<void()> m_openButtonStyle;

    QLineEdit* m_txtmnm = nullptr;
    QRadioButton* m_menubehavopt[2] = {};
    QLabel* m_lblbttnaln = nullptr;
    QComboBox* m_cmbbttnaln = nullptr;
    QComboBox* m_targetcombo = nullptr;
    QLabel* m_lblfrm = nullptr;
    QLineEdit* m_txtfrm = nullptr;
    QCheckBox* m_chkstdcode = nullptr;
    QLabel* m_lbllistlbl = nullptr;
    QLineEdit* m_txtlistlbl = nullptr;
    QCheckBox* m_chkcurpage = nullptr;
    QCheckBox* m_chkwidelinks = nullptr;
    QLabel* m_lblwidewdth = nullptr;
    FilteredLineEdit* m_txtwidewdth = nullptr;
    QLabel* m_lblwidepx = nullptr;

    QRadioButton* m_buttonpropopt[2] = {};
    QLabel* m_buttontxtlbl = nullptr;
    QLineEdit* m_buttontxttxt = nullptr;
    QPushButton* m_cmdBttnAdv = nullptr;
    QLabel* m_buttngrurllbl = nullptr;
    QLineEdit* m_buttngrurl = nullptr;
    QLabel* m_lblw = nullptr;
    QLineEdit* m_txtw = nullptr;
    QLabel* m_lblh = nullptr;
    QLineEdit* m_txth = nullptr;
    QLabel* m_lblalt = nullptr;
    QLineEdit* m_txtalt = nullptr;
};

} // namespace pickwell
