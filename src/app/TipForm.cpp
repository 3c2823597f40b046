#include "app/TipForm.h"

#include "app/HelpTopics.h"
#include "persistence/TextFile.h"
#include "platform/SettingsStore.h"
#include "text/Windows1252.h"

#include <cmath>

namespace pickwell {

TipForm::TipForm(SettingsStore& settings, int& showAtStartup, std::function<double()> random)
    : m_settings(settings)
    , m_showAtStartup(showAtStartup)
    , m_random(std::move(random)) {}

std::string TipForm::MissingFileText() {
    return std::string("That the ") + TipsFileName + " file was not found? \r\n\r\nCreate a text " +
           "file named " + TipsFileName + " using NotePad with 1 tip per line. Then place it " +
           "in the same directory as the application. ";
}

void TipForm::Open(const std::string& tipsPath) {
    ChangeScope scope(*this);
    m_showAtStartupBox.value = m_showAtStartup == 1 ? 1 : 0;
    if (!LoadTips(tipsPath)) {
        m_text = MissingFileText();
    }
}

bool TipForm::LoadTips(const std::string& path) {
    ChangeScope scope(*this);
    m_tips.clear();
    if (path.empty()) {
        return false;
    }
    const ReadResult read = ReadWholeFile(path);
    if (!read.ok) {
        return false;
    }
    // Every line is a tip, an empty one too; a line end after the last line makes no tip.
    const std::string text = DecodeWindows1252(read.bytes);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            m_tips.push_back(text.substr(start));
            break;
        }
        m_tips.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    ShowRandomTip();
    return true;
}

void TipForm::ShowRandomTip() {
    if (m_tips.empty()) {
        return;
    }
    ChangeScope scope(*this);
    const auto count = static_cast<double>(m_tips.size());
    m_current = static_cast<int>(std::floor(m_random() * count)) + 1;
    DisplayCurrentTip();
}

void TipForm::DisplayCurrentTip() {
    if (m_tips.empty() || m_current < 1) {
        return;
    }
    ChangeScope scope(*this);
    m_text = m_tips[static_cast<std::size_t>(m_current - 1)];
}

void TipForm::SetShowAtStartup(int value) {
    ChangeScope scope(*this);
    m_showAtStartupBox.value = value;
    m_settings.SaveSetting(SettingsSection, SettingKey, value == 1 ? "1" : "0");
    m_showAtStartup = value;
}

void TipForm::Ok() {
    ChangeScope scope(*this);
    m_closed = true;
}

} // namespace pickwell
