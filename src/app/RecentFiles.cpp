#include "app/RecentFiles.h"

#include "app/SaveLoadDialogs.h"

namespace pickwell {

namespace {

constexpr const char* Section = "Recent Files";

} // namespace

std::string RecentFiles::Key(int n) const {
    return m_settings.GetSetting(Section, std::to_string(n), "");
}

void RecentFiles::Store(int n, const std::string& path) {
    m_settings.SaveSetting(Section, std::to_string(n), path);
}

std::string RecentFiles::StoredPath(int index) const {
    return Key(index + 1);
}

void RecentFiles::RebuildRecentMenu() {
    for (int n = 1; n <= EntryCount; ++n) {
        const std::string name = FileNamePart(Key(n));
        if (name.empty()) {
            break;
        }
        // Appended piece by piece: GCC 12 takes a literal plus a string for an overlapping copy.
        std::string caption(1, '&');
        caption += std::to_string(n);
        caption += ". ";
        caption += name;
        m_entries[n - 1] = {true, std::move(caption)};
        m_separatorVisible = true;
    }
    NotifyChanged();
}

void RecentFiles::AddToRecentFiles(const std::string& path) {
    int found = 0;
    for (int k = 1; k <= EntryCount && found == 0; ++k) {
        if (Key(k) == path) {
            found = k;
        }
    }
    if (found == 1) {
        return;
    }
    int last = found;
    if (found == 0) {
        last = EntryCount;
        for (int i = 0; i < EntryCount; ++i) {
            if (!m_entries[i].visible) {
                m_entries[i].visible = true;
                last = i + 1;
                break;
            }
        }
    }
    for (int n = last; n >= 2; --n) {
        Store(n, Key(n - 1));
    }
    Store(1, path);
    RebuildRecentMenu();
}

void RecentFiles::ShowSeparator() {
    m_separatorVisible = true;
    NotifyChanged();
}

} // namespace pickwell
