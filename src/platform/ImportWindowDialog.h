#pragma once

namespace pickwell {

class ImportForm;

// Shows the Import Items window modally; returns once the window has closed.
class ImportWindowDialog {
public:
    virtual ~ImportWindowDialog() = default;
    virtual void ShowModal(ImportForm& form) = 0;
};

} // namespace pickwell
