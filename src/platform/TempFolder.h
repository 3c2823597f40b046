#pragma once

#include <string>

namespace pickwell {

class TempFolder {
public:
    virtual ~TempFolder() = default;
    // The system's temporary folder, ending in "/".
    virtual std::string GetTempFolder() = 0;
};

} // namespace pickwell
