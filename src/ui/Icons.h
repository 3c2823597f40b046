#pragma once

#include <QIcon>

namespace pickwell {

// The desktop theme's icon of this freedesktop name, else the program's own drawing of it.
QIcon ThemeIcon(const QString& name);

} // namespace pickwell
