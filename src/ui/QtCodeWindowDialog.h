#pragma once

#include "platform/CodeWindowDialog.h"

namespace pickwell {

// Shows the Generated Menu Code window modally over the window that asked for the code.
class QtCodeWindowDialog : public CodeWindowDialog {
public:
    void ShowModal(CodeWindowForm& form) override;
};

} // namespace pickwell
