#include "ui/ItemListPane.h"

#include "model/MainForm.h"
#include "ui/Icons.h"
#include "ui/ItemTableModel.h"
#include "ui/ViewSync.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace pickwell {
namespace {

// A report view whose right-click menu opens over a row only, and from the keyboard over the
// current row.
class ItemListView : public QTreeView {
public:
    ItemListView(std::function<void(int row, const QPoint& globalPosition)> popup, QWidget* parent)
        : QTreeView(parent)
        , m_popup(std::move(popup)) {}

    // Asks for room for every column; it can still be made narrower on a small screen.
    void SetPreferredWidth(int width) {
        m_preferredWidth = width;
        updateGeometry();
    }
    QSize sizeHint() const override { return {m_preferredWidth, QTreeView::sizeHint().height()}; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        const QModelIndex index =
            event->reason() == QContextMenuEvent::Mouse ? indexAt(event->pos()) : currentIndex();
        if (!index.isValid()) {
            return;
        }
        const QPoint at = event->reason() == QContextMenuEvent::Mouse
                              ? event->globalPos()
                              : viewport()->mapToGlobal(visualRect(index).bottomLeft());
        m_popup(index.row() + 1, at);
    }

private:
    std::function<void(int row, const QPoint& globalPosition)> m_popup;
    int m_preferredWidth = 0;
};

// How wide the widest text of a short column is: "Yes" or "No", or "Default" or a colour.
int WidestValue(int column, const QFontMetrics& metrics) {
    if (column != ItemTableModel::BackColorColumn && column != ItemTableModel::TextColorColumn) {
        return std::max(metrics.horizontalAdvance(QStringLiteral("Yes")),
                        metrics.horizontalAdvance(QStringLiteral("No")));
    }
    int digit = 0;
    for (const QChar hex : QStringLiteral("0123456789ABCDEF")) {
        digit = std::max(digit, metrics.horizontalAdvance(hex));
    }
    return std::max(metrics.horizontalAdvance(QStringLiteral("Default")),
                    metrics.horizontalAdvance(QLatin1Char('#')) + 6 * digit);
}

} // namespace

ItemListPane::ItemListPane(MainForm& form, QWidget* parent)
    : QGroupBox(tr("Currently Added Menu Items:"), parent)
    , m_form(form)
    , m_model(new ItemTableModel(form, this))
    , m_tb2(new QToolBar(this))
    , m_mnuListPop(new QMenu(this)) {
    auto* view = new ItemListView(
        [this](int row, const QPoint& at) {
            // The menu over one of several selected rows acts on all of them.
            const std::vector<int> selected = m_form.selectedRows();
            if (!std::binary_search(selected.begin(), selected.end(), row)) {
                m_form.SetCurrentRow(row);
            }
            ShowPopup(at);
        },
        this);
    m_lv = view;
    m_lv->setObjectName(QStringLiteral("lv"));
    m_lv->setAccessibleName(tr("Currently Added Menu Items"));
    m_lv->setModel(m_model);
    m_lv->setRootIsDecorated(false);
    m_lv->setItemsExpandable(false);
    m_lv->setUniformRowHeights(true);
    m_lv->setAllColumnsShowFocus(true);
    m_lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lv->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lv->setDragDropMode(QAbstractItemView::InternalMove);
    m_lv->setDefaultDropAction(Qt::MoveAction);
    m_lv->setDropIndicatorShown(true);
    m_lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->SetPreferredWidth(SizeColumns());

    m_tb2->setObjectName(QStringLiteral("tb2"));
    m_tb2->setAccessibleName(tr("Item list tools"));
    m_tb2->setIconSize(QSize(16, 16));
    m_movup = ToolbarButton("movup", "go-up", tr("Move selected item up one position."));
    m_movdn = ToolbarButton("movdn", "go-down", tr("Move selected item down one position."));
    m_edit = ToolbarButton("edit", "document-edit", tr("Edit text and link url of selected item."));
    m_delete = ToolbarButton("delete", "edit-delete", tr("Delete selected item."));

    m_mnuListPop->setObjectName(QStringLiteral("mnuListPop"));
    m_popMovUp = PopupEntry(tr("Move &Up"), "mnuListPopMovUp", QKeySequence(Qt::CTRL | Qt::Key_Up),
                            [this] { m_form.MoveUp(); });
    m_popMovDn = PopupEntry(tr("Move &Down"), "mnuListPopMovDn",
                            QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { m_form.MoveDown(); });
    m_popEdit = PopupEntry(tr("&Edit", "menu item"), "mnuListPopEdt", QKeySequence(Qt::Key_Return),
                           [this] { m_form.EditItem(); });
    m_popRemove = PopupEntry(tr("De&lete", "menu item"), "mnuListPopRem", QKeySequence::Delete,
                             [this] { m_form.DeleteItem(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lv, 1);
    layout->addWidget(m_tb2);

    // A click changes the current row before the selection, a key the other way round; the
    // form hears both as one choice after each.
    connect(m_lv->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { TellSelection(); });
    connect(m_lv->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { TellSelection(); });
    connect(m_lv, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        m_form.RowReleasedAfterDoubleClick(index.isValid() ? index.row() + 1 : 0);
    });
}

int ItemListPane::SizeColumns() {
    QHeaderView* header = m_lv->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    // Heading rows are bold, so the short columns are measured in bold.
    QFont bold = m_lv->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int padding =
        2 * (m_lv->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_lv) + 1);
    int width = 2 * m_lv->frameWidth() + m_lv->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < ItemTableModel::ColumnCount; ++column) {
        if (column == ItemTableModel::TextColumn || column == ItemTableModel::LinkColumn) {
            // The item text and the link share what the short columns leave.
            header->setSectionResizeMode(column, QHeaderView::Stretch);
            width += std::max(header->sectionSizeHint(column),
                              m_lv->fontMetrics().averageCharWidth() * TextColumnCharacters);
        } else {
            header->setSectionResizeMode(column, QHeaderView::Fixed);
            const bool color = column == ItemTableModel::BackColorColumn ||
                               column == ItemTableModel::TextColorColumn;
            const int swatch = color ? ItemTableModel::SwatchSize + padding : 0;
            const int size = std::max(header->sectionSizeHint(column),
                                      WidestValue(column, metrics) + padding + swatch);
            header->resizeSection(column, size);
            width += size;
        }
    }
    return width;
}

QAction* ItemListPane::ToolbarButton(const char* key, const char* icon, const QString& tip) {
    QAction* action = m_tb2->addAction(ThemeIcon(QString::fromLatin1(icon)), tip);
    action->setObjectName(QString::fromLatin1(key));
    action->setToolTip(tip);
    m_tb2->widgetForAction(action)->setObjectName(QString::fromLatin1(key));
    connect(action, &QAction::triggered, this,
            [this, key = std::string(key)] { m_form.ToolbarButtonClick(key); });
    return action;
}

QAction* ItemListPane::PopupEntry(const QString& caption, const char* name,
                                  const QKeySequence& keys, std::function<void()> command) {
    QAction* action = m_mnuListPop->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    // The keys work while the list has the focus, and the menu shows them.
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
    m_lv->addAction(action);
    connect(action, &QAction::triggered, this, std::move(command));
    return action;
}

void ItemListPane::ShowPopup(const QPoint& globalPosition) {
    m_mnuListPop->popup(globalPosition);
}

std::vector<int> ItemListPane::ViewSelection() const {
    std::vector<int> rows;
    for (const QModelIndex& index : m_lv->selectionModel()->selectedRows()) {
        rows.push_back(index.row() + 1);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ItemListPane::TellSelection() {
    const QModelIndex current = m_lv->selectionModel()->currentIndex();
    if (m_showing || m_model->updating() || !current.isValid()) {
        return;
    }
    const std::vector<int> rows = ViewSelection();
    if (rows.size() < 2) {
        m_form.SetCurrentRow(current.row() + 1);
    } else {
        m_form.SelectRows(current.row() + 1, rows);
    }
}

void ItemListPane::Show() {
    const CommandStates& states = m_form.commandStates();
    m_movup->setEnabled(states.moveUp);
    m_popMovUp->setEnabled(states.moveUp);
    m_movdn->setEnabled(states.moveDown);
    m_popMovDn->setEnabled(states.moveDown);
    m_edit->setEnabled(states.edit);
    m_popEdit->setEnabled(states.edit);
    m_delete->setEnabled(states.remove);
    m_popRemove->setEnabled(states.remove);

    const int row = m_form.currentRow() - 1;
    const std::vector<int> selected = m_form.selectedRows();
    if (row >= 0 && (m_lv->currentIndex().row() != row || ViewSelection() != selected)) {
        m_showing = true;
        const QModelIndex index = m_model->index(row, 0);
        QItemSelectionModel* selection = m_lv->selectionModel();
        selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        QItemSelection rows;
        for (const int selectedRow : selected) {
            rows.select(m_model->index(selectedRow - 1, 0),
                        m_model->index(selectedRow - 1, ItemTableModel::ColumnCount - 1));
        }
        selection->select(rows, QItemSelectionModel::ClearAndSelect);
        m_lv->scrollTo(index);
        m_showing = false;
    }
}

} // namespace pickwell
