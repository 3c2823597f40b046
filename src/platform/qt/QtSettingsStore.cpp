#include "platform/qt/QtSettingsStore.h"

#include <QSettings>

namespace pickwell {

namespace {

QString KeyPath(const std::string& section, const std::string& key) {
    const QString name = QString::fromStdString(key);
    return section.empty() ? name : QString::fromStdString(section) + '/' + name;
}

} // namespace

std::string QtSettingsStore::GetSetting(const std::string& section, const std::string& key,
                                        const std::string& defaultValue) {
    const QSettings settings(Organisation, Application);
    const QString path = KeyPath(section, key);
    // An empty value is a value: it must not read as the default.
    if (!settings.contains(path)) {
        return defaultValue;
    }
    return settings.value(path).toString().toStdString();
}

bool QtSettingsStore::SaveSetting(const std::string& section, const std::string& key,
                                  const std::string& value) {
    QSettings settings(Organisation, Application);
    settings.setValue(KeyPath(section, key), QString::fromStdString(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace pickwell
