#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace pickwell {

class ImportForm;
class ImportPreviewModel;

// The Import Items window: the format, for a page the list to take, the preview of the items
// and OK/Cancel. It lives for one import and finishes when its form model has closed.
class ImportWindow : public QDialog {
    Q_OBJECT

public:
    explicit ImportWindow(ImportForm& form, QWidget* owner = nullptr);
    ~ImportWindow() override;

    // Escape and the close box are the same as "Cancel".
    void reject() override;

private:
    void Refresh();

    ImportForm& m_form;
    QComboBox* m_format;
    QComboBox* m_list;
    QLabel* m_listCaption;
    QTableView* m_preview;
    ImportPreviewModel* m_previewModel;
    QLabel* m_status;
    QPushButton* m_ok;
};

} // namespace pickwell
