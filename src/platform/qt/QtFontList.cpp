#include "platform/qt/QtFontList.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <memory>
#include <unordered_set>

namespace pickwell {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

// The pattern fontconfig makes of a family name before it looks for a font: the name, then
// the names its configuration adds, the generic family among them.
Pattern Substituted(const std::string& family) {
    Pattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

std::string FamilyAt(const FcPattern* pattern, int index) {
    FcChar8* name = nullptr;
    if (FcPatternGetString(pattern, FC_FAMILY, index, &name) != FcResultMatch) {
        return {};
    }
    return reinterpret_cast<const char*>(name);
}

} // namespace

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

std::string QtFontList::SansSerifFamily() {
    const Pattern pattern = Substituted("sans-serif");
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
    return match ? FamilyAt(match.get(), 0) : std::string();
}

bool QtFontList::ShowsLatin(const std::string& family) {
    // The font database marks fonts whose letters are symbols, although fontconfig credits
    // some of them with Latin coverage.
    const QList<QFontDatabase::WritingSystem> systems =
        QFontDatabase::writingSystems(QString::fromStdString(family));
    return systems.contains(QFontDatabase::Latin) && !systems.contains(QFontDatabase::Symbol);
}

std::string QtFontList::GenericFamily(const std::string& family) {
    if (QFontDatabase::isFixedPitch(QString::fromStdString(family))) {
        return "monospace";
    }
    // fontconfig's configuration files give the fonts they know their generic family, but the
    // file that adds "sans-serif" to every font still without one runs before some of them; so
    // "sans-serif" counts only when neither of the others is named.
    const Pattern pattern = Substituted(family);
    bool serif = false;
    for (int i = 1;; ++i) {
        const std::string name = FamilyAt(pattern.get(), i);
        if (name.empty()) {
            return serif ? "serif" : "sans-serif";
        }
        if (name == "monospace") {
            return name;
        }
        serif = serif || name == "serif";
    }
}

} // namespace pickwell
