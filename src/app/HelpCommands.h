#pragma once

#include <string>

namespace pickwell {

struct PlatformServices;

inline constexpr const char* ButtonGraphicsAddress =
    "https://www.brackenfield.example/button-graphics/";
inline constexpr const char* SupportMailAddress = "support@brackenfield.example";
inline constexpr const char* ProductPageAddress = "https://www.brackenfield.example/pickwell/";
inline constexpr const char* OfferAddress = "https://www.brackenfield.example/offers/";

// The Help menu's commands and the main window's two link buttons.
class HelpCommands {
public:
    explicit HelpCommands(PlatformServices& platform);

    void HelpTopics();
    void Tutorial();
    void ContextHelp();
    void TipOfTheDay();
    void TellFriends();
    void OtherSoftware();
    void About();
    void ButtonGraphics(); // "Free Button Graphics from Brackenfield"
    void FreeOffer();      // "Get a Totally Free 8GB Ipod Nano"

    // The last start-up step: reads "Show Tips at Startup" once and shows a tip when it asks.
    void StartupTip();

private:
    PlatformServices& m_platform;
    int m_showTips = 1;
};

} // namespace pickwell
