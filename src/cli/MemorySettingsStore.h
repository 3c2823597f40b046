#pragma once

#include "platform/SettingsStore.h"

#include <map>
#include <string>
#include <utility>

namespace pickwell {

// Settings that last for one run only, so that the command line leaves the user's own
// settings (recent files, last folder, notices) as they were.
class MemorySettingsStore : public SettingsStore {
public:
    std::string GetSetting(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override {
        const auto it = m_values.find({section, key});
        return it == m_values.end() ? defaultValue : it->second;
    }
    bool SaveSetting(const std::string& section, const std::string& key,
                     const std::string& value) override {
        m_values[{section, key}] = value;
        return true;
    }

private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};

} // namespace pickwell
