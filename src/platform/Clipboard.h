#pragma once

#include <string>

namespace pickwell {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's contents with plain text.
    virtual void SetText(const std::string& text) = 0;
};

} // namespace pickwell
