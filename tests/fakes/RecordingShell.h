#pragma once

#include "platform/Shell.h"

#include <string>
#include <vector>

namespace pickwell {

// Keeps every target the program asked the desktop to open; opens nothing.
class RecordingShell : public Shell {
public:
    bool OpenWithShell(const std::string& target) override {
        opened.push_back(target);
        return accepts;
    }

    std::vector<std::string> opened;
    bool accepts = true;
};

} // namespace pickwell
