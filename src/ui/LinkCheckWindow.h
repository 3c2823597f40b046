#pragma once

#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace pickwell {

class LinkCheckForm;
class LinkProbe;
struct MenuProject;

// The Check Links window: the site folder, the colour check, the findings table, progress,
// Check and Cancel. It is not modal: the main window stays in use while servers answer.
class LinkCheckWindow : public QWidget {
    Q_OBJECT

public:
    LinkCheckWindow(const MenuProject& project, std::unique_ptr<LinkProbe> probe,
                    QWidget* parent = nullptr);
    ~LinkCheckWindow() override;

private:
    void Show();

    std::unique_ptr<LinkProbe> m_probe;
    std::unique_ptr<LinkCheckForm> m_form;
    QLineEdit* m_txtsitefolder;
    QCheckBox* m_chkcontrast;
    QPushButton* m_cmdcheck;
    QPushButton* m_cmdcancel;
    QProgressBar* m_prgcheck;
    QLabel* m_lblcheckstatus;
    QTableWidget* m_tblresults;
};

} // namespace pickwell
