#pragma once

#include "platform/Clipboard.h"

namespace pickwell {

// The desktop clipboard; needs a QGuiApplication.
class QtClipboard : public Clipboard {
public:
    void SetText(const std::string& text) override;
};

} // namespace pickwell
