#pragma once

#include "platform/SettingsStore.h"

namespace pickwell {

// The per-user settings in QSettings' native store for organisation "Brackenfield" and
// application "Pickwell"; sections are groups. Each call opens and closes the store, so
// every write is on disk when it returns.
class QtSettingsStore : public SettingsStore {
public:
    static constexpr const char* Organisation = "Brackenfield";
    static constexpr const char* Application = "Pickwell";

    std::string GetSetting(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    bool SaveSetting(const std::string& section, const std::string& key,
                     const std::string& value) override;
};

} // namespace pickwell
