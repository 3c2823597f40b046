#pragma once

#include "platform/FontList.h"

#include <string>

namespace pickwell {

// A desktop for the benchmarks whose fonts all show Latin letters as sans-serif faces, and
// which names no sans-serif match: fonts are chosen by their place in the list.
class BenchFontList : public FontList {
public:
    std::string SansSerifFamily() override { return {}; }
    bool ShowsLatin(const std::string&) override { return true; }
    std::string GenericFamily(const std::string&) override { return "sans-serif"; }
};

} // namespace pickwell
