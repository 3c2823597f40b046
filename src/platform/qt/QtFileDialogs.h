#pragma once

#include "platform/FileDialogs.h"

namespace pickwell {

// The save and open dialogs over QFileDialog, native where the desktop offers one. The save
// dialog adds the chosen filter's extension to a name typed without one.
class QtFileDialogs : public FileDialogs {
public:
    std::string ShowSaveDialog(const FileDialogRequest& request) override;
    SaveChoice ShowSaveDialogOfType(const FileDialogRequest& request) override;
    std::string ShowOpenDialog(const FileDialogRequest& request) override;

private:
    static SaveChoice Save(const FileDialogRequest& request, bool moreTypes);
};

} // namespace pickwell
