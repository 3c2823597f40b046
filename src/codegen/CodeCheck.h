#pragma once

#include "model/FormControls.h"
#include "model/MenuProject.h"
#include "platform/Prompt.h"

#include <string>

namespace pickwell {

// What ValidateForCode found. On "nope" the caller shows `message` and puts the focus on the
// field that needs fixing, with its whole text selected when `focus` carries a selection.
struct CodeCheck {
    std::string result; // "ok" or "nope"
    Message message;
    FocusRequest focus;

    bool passed() const { return result != "nope"; }
};

// The omissions that would make the generated menu useless, checked in the order the user is
// told about them; only the first is reported. Changes nothing.
CodeCheck ValidateForCode(const MenuProject& project);

} // namespace pickwell
