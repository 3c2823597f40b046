#pragma once

#include "platform/TempFolder.h"

namespace pickwell {

// The system's temporary folder ($TMPDIR, else /tmp).
class QtTempFolder : public TempFolder {
public:
    std::string GetTempFolder() override;
};

} // namespace pickwell
