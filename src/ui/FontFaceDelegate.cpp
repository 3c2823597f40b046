#include "ui/FontFaceDelegate.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>

namespace pickwell {

QString FontFaceDelegate::Sample(const QString& family) {
    // A family the database does not know is drawn in a fallback face, which has Latin letters.
    // Some symbol fonts claim Latin coverage as well, so Symbol outweighs it.
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    if (systems.isEmpty() ||
        (systems.contains(QFontDatabase::Latin) && !systems.contains(QFontDatabase::Symbol))) {
        return {};
    }
    for (const QFontDatabase::WritingSystem system : systems) {
        if (system != QFontDatabase::Latin && system != QFontDatabase::Vietnamese &&
            system != QFontDatabase::Symbol && system != QFontDatabase::Other) {
            return QFontDatabase::writingSystemSample(system);
        }
    }
    return QFontDatabase::writingSystemSample(QFontDatabase::Symbol);
}

QFont FontFaceDelegate::Face(const QFont& base, const QString& family) {
    QFont face(base);
    face.setFamilies({family});
    return face;
}

void FontFaceDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (Sample(option->text).isEmpty()) {
        option->font = Face(option->font, option->text);
        option->fontMetrics = QFontMetrics(option->font);
    }
}

QSize FontFaceDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString family = index.data(Qt::DisplayRole).toString();
    const QString sample = Sample(family);
    if (!sample.isEmpty()) {
        const QFontMetrics face(Face(option.font, family));
        size.rwidth() +=
            option.fontMetrics.horizontalAdvance(Gap()) + face.horizontalAdvance(sample);
        size.setHeight(qMax(size.height(), face.height()));
    }
    return size;
}

void FontFaceDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString sample = Sample(item.text);
    if (sample.isEmpty()) {
        return;
    }
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    // The style pads the text inside its rectangle by the focus frame's margin.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    const int offset = margin + item.fontMetrics.horizontalAdvance(item.text + Gap());
    const QRect room = QStyle::visualRect(item.direction, text, text.adjusted(offset, 0, 0, 0));
    const QPalette::ColorGroup group =
        item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setFont(Face(item.font, item.text));
    painter->setPen(item.palette.color(
        group, item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(room,
                      int(QStyle::visualAlignment(item.direction, Qt::AlignLeft)) |
                          Qt::AlignVCenter | Qt::TextSingleLine,
                      sample);
    painter->restore();
}

} // namespace pickwell
