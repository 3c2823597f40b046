#pragma once

namespace pickwell {

class CodeWindowForm;

// Shows the Generated Menu Code window modally; returns once the window has closed.
class CodeWindowDialog {
public:
    virtual ~CodeWindowDialog() = default;
    virtual void ShowModal(CodeWindowForm& form) = 0;
};

} // namespace pickwell
