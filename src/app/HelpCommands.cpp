#include "app/HelpCommands.h"

#include "app/AboutForm.h"
#include "app/HelpTopics.h"
#include "app/PlatformServices.h"
#include "app/TellAFriendForm.h"
#include "app/TipForm.h"
#include "codegen/MenuCode.h"
#include "platform/Prompt.h"
#include "text/LeadingNumber.h"

#include <chrono>
#include <functional>
#include <memory>
#include <random>

namespace pickwell {
namespace {

// A uniform generator seeded from the clock, for the tip window's random tip.
std::function<double()> ClockRandom() {
    auto engine = std::make_shared<std::mt19937>(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

} // namespace

HelpCommands::HelpCommands(PlatformServices& platform)
    : m_platform(platform) {}

void HelpCommands::HelpTopics() {
    m_platform.help.ShowTopic(ContentsTopic);
}

void HelpCommands::Tutorial() {
    m_platform.help.ShowTopic(TutorialTopic);
}

void HelpCommands::ContextHelp() {
    m_platform.help.EnterWhatsThisMode();
}

void HelpCommands::TipOfTheDay() {
    TipForm form(m_platform.settings, m_showTips, ClockRandom());
    form.Open(DataFolder(m_platform.programFolder) + TipsFileName);
    m_platform.helpWindows.ShowModal(form);
}

void HelpCommands::TellFriends() {
    TellAFriendForm form(m_platform.shell, m_platform.prompt);
    m_platform.helpWindows.ShowModal(form);
}

void HelpCommands::OtherSoftware() {
    m_platform.shell.OpenWithShell(MakerWebAddress);
}

void HelpCommands::About() {
    AboutForm form(m_platform.shell);
    m_platform.helpWindows.ShowModal(form);
}

void HelpCommands::ButtonGraphics() {
    m_platform.shell.OpenWithShell(ButtonGraphicsAddress);
}

void HelpCommands::FreeOffer() {
    m_platform.shell.OpenWithShell(OfferAddress);
}

void HelpCommands::StartupTip() {
    const std::string setting =
        m_platform.settings.GetSetting(TipForm::SettingsSection, TipForm::SettingKey, "1");
    m_showTips = static_cast<int>(ParseLeadingNumber(setting).value_or(0));
    if (m_showTips != 0) {
        TipOfTheDay();
    }
}

} // namespace pickwell
