#pragma once

#include "platform/SettingsStore.h"

#include <map>
#include <string>
#include <utility>

namespace pickwell {

// Settings held in memory, keyed by (section, key).
class FakeSettingsStore : public SettingsStore {
public:
    std::string GetSetting(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override {
        const auto it = values.find({section, key});
        return it == values.end() ? defaultValue : it->second;
    }
    bool SaveSetting(const std::string& section, const std::string& key,
                     const std::string& value) override {
        values[{section, key}] = value;
        return true;
    }

    std::map<std::pair<std::string, std::string>, std::string> values;
};

} // namespace pickwell
