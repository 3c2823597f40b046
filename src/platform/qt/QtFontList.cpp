#include "platform/qt/QtFontList.h"

#include <QFontDatabase>
#include <QStringList>

#include <unordered_set>

namespace pickwell {

std::vector<std::string> QtFontList::WithoutFoundries(const std::vector<std::string>& families) {
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (std::string name : families) {
        if (!name.empty() && name.back() == ']') {
            const auto open = name.rfind(" [");
            if (open != std::string::npos && open > 0) {
                name.erase(open);
            }
        }
        if (seen.insert(name).second) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

std::vector<std::string> QtFontList::InstalledFonts() {
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family)) {
            families.push_back(family.toStdString());
        }
    }
    return WithoutFoundries(families);
}

} // namespace pickwell
