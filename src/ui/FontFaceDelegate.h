#pragma once

#include <QStyledItemDelegate>

namespace pickwell {

// Draws each name in a font list in the face it names, as the desktop's own font chooser does,
// so the author sees the faces while choosing one. A font without Latin letters (a symbol font)
// would make its own name unreadable: its name stays in the list's font, with a sample of its
// face beside it. Only the rows on screen are drawn, so a list of hundreds of families costs no
// more to fill than before.
class FontFaceDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Public so that a test can see which font a row is drawn in.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

    // The text drawn in the face beside a font's name; empty for a font that shows its name.
    static QString Sample(const QString& family);

private:
    static QFont Face(const QFont& base, const QString& family);
    static QString Gap() { return QStringLiteral("  "); }
};

} // namespace pickwell
