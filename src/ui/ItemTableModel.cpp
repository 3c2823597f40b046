#include "ui/ItemTableModel.h"

#include "ui/ViewSync.h"

#include <QDataStream>
#include <QFont>
#include <QIODevice>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cctype>
#include <set>

namespace pickwell {
namespace {

// The dragged rows, 1-based, as numbers: a drag never leaves the list.
const QString RowsMimeType = QStringLiteral("application/x-pickwell-item-rows");

std::string_view Cell(const MenuItem& item, int column) {
    switch (column) {
    case 0:
        return item.text;
    case 1:
        return item.linked;
    case 2:
        return item.url;
    case 3:
        return item.selected;
    case 4:
        return item.backColor;
    case 5:
        return item.textColor;
    default:
        return item.isHeading;
    }
}

// Items hold their colours as "#RRGGBB" or "Default"; anything else gets no swatch.
QColor CellColor(std::string_view text) {
    const bool hex =
        text.size() == 7 && text[0] == '#' && std::all_of(text.begin() + 1, text.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c)) != 0;
        });
    return hex ? QColor(ToQt(text)) : QColor();
}

} // namespace

QIcon ItemTableModel::Swatch(QRgb rgb) const {
    auto found = m_swatches.find(rgb);
    if (found == m_swatches.end()) {
        // The frame keeps a swatch as light as the list's background visible. A view draws an
        // icon no larger than its pixmap, so a small one leaves the colour text its room.
        QPixmap pixmap(SwatchSize, SwatchSize);
        QPainter painter(&pixmap);
        painter.setPen(Qt::darkGray);
        painter.setBrush(QColor(rgb));
        painter.drawRect(0, 0, SwatchSize - 1, SwatchSize - 1);
        painter.end();
        found = m_swatches.insert(rgb, QIcon(pixmap));
    }
    return *found;
}

ItemTableModel::ItemTableModel(MainForm& form, QObject* parent)
    : QAbstractTableModel(parent)
    , m_form(form) {
    m_form.SetRowsObserver(this);
}

ItemTableModel::~ItemTableModel() {
    m_form.SetRowsObserver(nullptr);
}

int ItemTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_form.rowCount();
}

int ItemTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ItemTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const MenuItem& item = m_form.project().items[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return ToQt(Cell(item, index.column()));
    case Qt::FontRole:
        if (m_form.IsRowBold(index.row() + 1)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::DecorationRole:
        if (index.column() == BackColorColumn || index.column() == TextColorColumn) {
            const QColor color = CellColor(Cell(item, index.column()));
            if (color.isValid()) {
                return Swatch(color.rgb());
            }
        }
        return {};
    default:
        return {};
    }
}

QVariant ItemTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case 0:
        return tr("Item Text");
    case 1:
        return tr("Linked?");
    case 2:
        return tr("Link URL");
    case 3:
        return tr("Selected?");
    case 4:
        return tr("Back Color");
    case 5:
        return tr("Text Color");
    case 6:
        return tr("Heading", "column: the item is a group heading");
    default:
        return {};
    }
}

Qt::ItemFlags ItemTableModel::flags(const QModelIndex& index) const {
    // Rows go between rows, never onto one.
    return index.isValid() ? QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled
                           : Qt::ItemIsDropEnabled;
}

Qt::DropActions ItemTableModel::supportedDropActions() const {
    return Qt::MoveAction;
}

QStringList ItemTableModel::mimeTypes() const {
    return {RowsMimeType};
}

QMimeData* ItemTableModel::mimeData(const QModelIndexList& indexes) const {
    std::set<int> rows;
    for (const QModelIndex& index : indexes) {
        rows.insert(index.row() + 1);
    }
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    for (const int row : rows) {
        stream << qint32(row);
    }
    auto* data = new QMimeData;
    data->setData(RowsMimeType, encoded);
    return data;
}

bool ItemTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                  int /*column*/, const QModelIndex& parent) {
    if (action != Qt::MoveAction || !data->hasFormat(RowsMimeType)) {
        return false;
    }
    std::vector<int> rows;
    QDataStream stream(data->data(RowsMimeType));
    while (!stream.atEnd()) {
        qint32 value = 0;
        stream >> value;
        rows.push_back(value);
    }
    // Below the last row the view gives no row; onto a row means before it.
    const int before = row >= 0 ? row : parent.isValid() ? parent.row() : rowCount();
    m_form.MoveRowsTo(std::move(rows), before + 1);
    // The form has moved the rows. The view then asks to remove the dragged ones, which this
    // model refuses, as it refuses every removal that does not come from the form.
    return true;
}

void ItemTableModel::BeforeRowsInserted(int first, int count) {
    m_updating = true;
    beginInsertRows({}, first - 1, first + count - 2);
}

void ItemTableModel::AfterRowsInserted() {
    endInsertRows();
    m_updating = false;
}

void ItemTableModel::BeforeRowsRemoved(int first, int count) {
    m_updating = true;
    beginRemoveRows({}, first - 1, first + count - 2);
}

void ItemTableModel::AfterRowsRemoved() {
    endRemoveRows();
    m_updating = false;
}

void ItemTableModel::RowChanged(int row) {
    emit dataChanged(index(row - 1, 0), index(row - 1, ColumnCount - 1));
}

} // namespace pickwell
