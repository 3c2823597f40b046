#pragma once

#include <QObject>

class QWidget;

namespace pickwell {

// A text field takes Undo and Redo for its own typing; once it has none to take back, the keys
// go on to the window's Edit menu, so that Undo right after Add takes back the Add.
class FieldUndoKeys : public QObject {
    Q_OBJECT

public:
    // Watches every text field in `window`, and goes with it.
    explicit FieldUndoKeys(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace pickwell
