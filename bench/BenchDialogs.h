#pragma once

#include "platform/FileDialogs.h"

#include <string>
#include <utility>

namespace pickwell {

// File dialogs for the benchmarks that always name one file, of the first type.
class FixedDialogs : public FileDialogs {
public:
    explicit FixedDialogs(std::string path)
        : m_path(std::move(path)) {}
    std::string ShowSaveDialog(const FileDialogRequest&) override { return m_path; }
    SaveChoice ShowSaveDialogOfType(const FileDialogRequest&) override { return {m_path, 0}; }
    std::string ShowOpenDialog(const FileDialogRequest&) override { return m_path; }

private:
    std::string m_path;
};

} // namespace pickwell
