#pragma once

#include <string>

// The unobtrusive script of the standards form: it finds the menus of the page by their
// data-pickwell attributes, so that one copy serves every menu.
namespace pickwell {

enum class ScriptForm {
    // As the standards form has always written it: byte-exact with the code of older projects.
    Standards,
    // Also sets each form up only once (the script may come twice, from two menus' files or
    // two pasted function codes), selects the item of the page being viewed in a form marked
    // data-pickwell-current, and marks that page's links in the menus' link lists with
    // aria-current="page".
    Site,
};

// The script without its <script> tags, each line ended by "\n".
std::string MenuScript(ScriptForm form);

} // namespace pickwell
