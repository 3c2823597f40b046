#pragma once

#include <string>
#include <utility>
#include <vector>

namespace pickwell {

// Damaged and strange variants of a good project file, by name: what old machines, other
// programs, mail and half-finished copies make of one. `good` must hold "icount=5",
// "Item 1=Shop", "Item 2=   Books" and "[URLS]".
inline std::vector<std::pair<std::string, std::string>> DamagedProjects(const std::string& good) {
    const std::string header = "Pickwell Project File (Do not edit manually)";
    auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        for (auto at = text.find(from); at != std::string::npos;
             at = text.find(from, at + to.size())) {
            text.replace(at, from.size(), to);
        }
        return text;
    };
    std::string manySections = good;
    for (int i = 0; i < 10000; ++i) {
        manySections += "[S" + std::to_string(i) + "]\r\nk=v\r\n";
    }
    return {
        {"empty", ""},
        {"header only", header + "\r\n"},
        {"byte-order mark", "\xEF\xBB\xBF" + good},
        {"CR line ends", replaced(good, "\r\n", "\r")},
        {"LF line ends", replaced(good, "\r\n", "\n")},
        {"no final line end", good.substr(0, good.size() - 2)},
        {"line of 199", good + "[X]\r\nk=" + std::string(197, 'a') + "\r\n"},
        {"line of 200", good + "[X]\r\nk=" + std::string(198, 'a') + "\r\n"},
        {"line of 201", good + "[X]\r\nk=" + std::string(199, 'a') + "\r\n"},
        {"line of 1 MiB", replaced(good, "Item 1=Shop", "Item 1=" + std::string(1 << 20, 'x'))},
        {"NUL inside a line", replaced(good, "Item 2=   Books", std::string("Item 2=Bo\0oks", 13))},
        {"empty section name", good + "[]\r\nk=v\r\n"},
        {"unclosed section", replaced(good, "[URLS]", "[URLS")},
        {"repeated sections and keys", good + "[Items]\r\nicount=1\r\nItem 1=Again\r\n"},
        {"10,000 sections", manySections},
        {"icount 0", replaced(good, "icount=5", "icount=0")},
        {"icount -1", replaced(good, "icount=5", "icount=-1")},
        {"icount 2147483647", replaced(good, "icount=5", "icount=2147483647")},
        {"icount 2147483648", replaced(good, "icount=5", "icount=2147483648")},
        {"icount 1e9", replaced(good, "icount=5", "icount=1e9")},
        {"icount abc", replaced(good, "icount=5", "icount=abc")},
        {"undefined code page bytes", replaced(good, "Item 1=Shop", "Item 1=\x81\x8D\x8F\x90\x9D")},
    };
}

} // namespace pickwell
