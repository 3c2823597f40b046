#pragma once

#include "codegen/CodeWindowForm.h"
#include "platform/CodeWindowDialog.h"

#include <functional>
#include <string>

namespace pickwell {

// Records what the code window showed, runs the test's actions on it while it is up, and
// closes it with "Done" unless the actions closed it.
class ScriptedCodeWindowDialog : public CodeWindowDialog {
public:
    void ShowModal(CodeWindowForm& form) override {
        ++shown;
        text1 = form.Text1().text;
        text2 = form.Text2().text;
        if (whileShown) {
            whileShown(form);
        }
        if (!form.closed()) {
            form.Done();
        }
    }

    std::function<void(CodeWindowForm&)> whileShown;
    int shown = 0;
    std::string text1;
    std::string text2;
};

} // namespace pickwell
