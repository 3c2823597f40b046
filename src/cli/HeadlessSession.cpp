#include "cli/HeadlessSession.h"

#include <utility>

namespace pickwell {

HeadlessSession::HeadlessSession(std::ostream& messages, FontList& fonts, std::string programFolder,
                                 std::string documentsFolder)
    : m_prompt(messages)
    , m_services{m_prompt,
                 m_desktop,
                 m_settings,
                 fonts,
                 m_desktop,
                 m_desktop,
                 m_desktop,
                 m_desktop,
                 m_desktop,
                 m_desktop,
                 m_desktop,
                 m_desktop,
                 std::move(programFolder),
                 std::move(documentsFolder)}
    , m_session(m_services) {
    m_session.StartUp("");
}

} // namespace pickwell
