#pragma once

#include "model/MenuProject.h"

#include <string>
#include <utility>

// Items as the generator tests build them.
namespace pickwell {

inline MenuItem Item(std::string text, std::string url = "") {
    MenuItem item;
    item.text = std::move(text);
    item.linked = url.empty() ? "No" : "Yes";
    item.url = std::move(url);
    return item;
}

inline MenuItem Heading(std::string text) {
    MenuItem item = Item(std::move(text));
    item.isHeading = "Yes";
    return item;
}

} // namespace pickwell
