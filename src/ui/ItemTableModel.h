#pragma once

#include "model/MainForm.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>

namespace pickwell {

// The item list lv as a table: one row per menu item, the seven columns of the list, headings
// in bold. It reads the rows straight from the main window's form model and hears from it
// which rows come, go or change, so a change repaints one row, not the list.
class ItemTableModel : public QAbstractTableModel, private ItemRowsObserver {
    Q_OBJECT

public:
    static constexpr int ColumnCount = 7;
    static constexpr int TextColumn = 0;
    static constexpr int LinkColumn = 2;
    static constexpr int BackColorColumn = 4;
    static constexpr int TextColorColumn = 5;
    // The side of the swatch beside a colour, in pixels.
    static constexpr int SwatchSize = 10;

    explicit ItemTableModel(MainForm& form, QObject* parent = nullptr);
    ~ItemTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rows are dragged within the list only; a drop hands the rows and the place to the form.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // True from just before rows come or go until they have; a current-row change the view
    // makes meanwhile is its own bookkeeping, not the user's choice.
    bool updating() const { return m_updating; }

private:
    void BeforeRowsInserted(int first, int count) override;
    void AfterRowsInserted() override;
    void BeforeRowsRemoved(int first, int count) override;
    void AfterRowsRemoved() override;
    void RowChanged(int row) override;

    QIcon Swatch(QRgb rgb) const;

    MainForm& m_form;
    bool m_updating = false;
    // A list repaints its cells often; each colour's swatch is drawn once.
    mutable QHash<QRgb, QIcon> m_swatches;
};

} // namespace pickwell
