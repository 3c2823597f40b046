#pragma once

#include "import/ImportForm.h"
#include "platform/ImportWindowDialog.h"

#include <functional>
#include <string>

namespace pickwell {

// Runs the test's actions on the Import Items window while it is up, records what it
// showed, and cancels it unless the actions closed it.
class ScriptedImportWindowDialog : public ImportWindowDialog {
public:
    void ShowModal(ImportForm& form) override {
        ++shown;
        status = form.statusText();
        if (whileShown) {
            whileShown(form);
        }
        if (!form.closed()) {
            form.Cancel();
        }
    }

    std::function<void(ImportForm&)> whileShown;
    int shown = 0;
    std::string status;
};

} // namespace pickwell
