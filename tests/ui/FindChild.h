#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>

namespace pickwell {

// The child of `root` with this object name; a missing one fails the test, naming it.
template <class Widget = QObject> Widget* FindChild(const QObject& root, const char* name) {
    if (auto* child = root.findChild<Widget*>(QString::fromLatin1(name))) {
        return child;
    }
    throw std::runtime_error(std::string("no child named ") + name);
}

} // namespace pickwell
