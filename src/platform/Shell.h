#pragma once

#include <string>

namespace pickwell {

// Opens a file, a web address or a mail address with the desktop's associated program.
class Shell {
public:
    virtual ~Shell() = default;
    // True when the desktop accepted the request.
    virtual bool OpenWithShell(const std::string& target) = 0;
};

} // namespace pickwell
