#pragma once

#include <string>

namespace pickwell {

// Per-user settings: named text values in sections. A missing value reads as the default.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string GetSetting(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) = 0;
    virtual bool SaveSetting(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

} // namespace pickwell
