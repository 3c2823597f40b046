#pragma once

#include "platform/Clipboard.h"

#include <string>
#include <vector>

namespace pickwell {

// Keeps every text put on the clipboard, oldest first.
class RecordingClipboard : public Clipboard {
public:
    void SetText(const std::string& text) override { texts.push_back(text); }

    std::vector<std::string> texts;
};

} // namespace pickwell
