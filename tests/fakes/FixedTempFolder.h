#pragma once

#include "platform/TempFolder.h"

#include <string>
#include <utility>

namespace pickwell {

// A temporary folder the test chose, typically a fresh folder of its own.
class FixedTempFolder : public TempFolder {
public:
    FixedTempFolder() = default;
    explicit FixedTempFolder(std::string path)
        : folder(std::move(path)) {}

    std::string GetTempFolder() override { return folder; }

    std::string folder;
};

} // namespace pickwell
