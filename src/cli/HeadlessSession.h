#pragma once

#include "app/PlatformServices.h"
#include "app/Session.h"
#include "cli/ConsolePrompt.h"
#include "cli/HeadlessDesktop.h"
#include "cli/MemorySettingsStore.h"

#include <ostream>
#include <string>

namespace pickwell {

// A started session without windows: its messages become lines on a stream, every dialog is
// cancelled and its settings last for the run. The command line generates through it; the
// fuzz targets load through the very same set-up.
class HeadlessSession {
public:
    // Both folders end in "/".
    HeadlessSession(std::ostream& messages, FontList& fonts, std::string programFolder,
                    std::string documentsFolder);
    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    Session& session() { return m_session; }
    Prompt& prompt() { return m_prompt; }

private:
    ConsolePrompt m_prompt;
    HeadlessDesktop m_desktop;
    MemorySettingsStore m_settings;
    PlatformServices m_services;
    Session m_session;
};

} // namespace pickwell
