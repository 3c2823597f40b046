#pragma once

#include "platform/ImportWindowDialog.h"

namespace pickwell {

// Shows the Import Items window modally over the main window.
class QtImportWindowDialog : public ImportWindowDialog {
public:
    void ShowModal(ImportForm& form) override;
};

} // namespace pickwell
