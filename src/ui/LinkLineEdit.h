#pragma once

#include <QLineEdit>

#include <functional>
#include <string>

namespace pickwell {

// The link field: a dropped text replaces its whole text, and only plain text may be
// dropped. Whether a drop is taken is the handler's answer.
class LinkLineEdit : public QLineEdit {
public:
    using DropHandler = std::function<bool(bool offersPlainText, const std::string& text)>;

    explicit LinkLineEdit(QWidget* parent = nullptr);
    void SetDropHandler(DropHandler handler) { m_drop = std::move(handler); }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    DropHandler m_drop;
};

} // namespace pickwell
