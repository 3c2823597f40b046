#pragma once

#include "ScriptedPrompt.h"

#include <functional>

namespace pickwell {

// A ScriptedPrompt that runs an action while each box is up, for what the window system does
// meanwhile (the box takes the focus from the control that held it).
class ActingPrompt : public ScriptedPrompt {
public:
    Button Show(const Message& message) override {
        if (whileShown) {
            whileShown(message);
        }
        return ScriptedPrompt::Show(message);
    }

    std::function<void(const Message&)> whileShown;
};

} // namespace pickwell
