#pragma once

#include "model/FormControls.h"
#include "platform/SettingsStore.h"

#include <array>
#include <string>

namespace pickwell {

struct RecentFileEntry {
    bool visible = false;
    std::string caption; // "&1. shop.pkw"

    bool operator==(const RecentFileEntry&) const = default;
};

// The five most recently saved or loaded project files: stored in the settings section
// "Recent Files" under "1" (newest) to "5", and shown as entries at the foot of the File
// menu below a separator. Entries are shown as the list grows and never hidden during a run.
class RecentFiles : public FormModel {
public:
    static constexpr int EntryCount = 5;

    explicit RecentFiles(SettingsStore& settings)
        : m_settings(settings) {}

    // Shows an entry for each stored path in order, up to the first without a file name.
    void RebuildRecentMenu();
    // Puts the path at the top, moving the others down; nothing changes when it is already
    // the newest.
    void AddToRecentFiles(const std::string& path);
    void ShowSeparator();

    // The path stored for the entry with this index (0 to 4); "" when none.
    std::string StoredPath(int index) const;

    const std::array<RecentFileEntry, EntryCount>& entries() const { return m_entries; }
    bool separatorVisible() const { return m_separatorVisible; }

private:
    std::string Key(int n) const;
    void Store(int n, const std::string& path);

    SettingsStore& m_settings;
    std::array<RecentFileEntry, EntryCount> m_entries;
    bool m_separatorVisible = false;
};

} // namespace pickwell
