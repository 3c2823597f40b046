#pragma once

#include "platform/Shell.h"

namespace pickwell {

// Opens files, web and mail addresses through the desktop's URL handlers.
class QtShell : public Shell {
public:
    bool OpenWithShell(const std::string& target) override;
};

} // namespace pickwell
