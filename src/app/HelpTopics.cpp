#include "app/HelpTopics.h"

#include <array>
#include <filesystem>
#include <system_error>
#include <utility>

namespace pickwell {
namespace {

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::string DecodeEntities(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, char>, 5> Entities{
        {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool replaced = false;
        for (const auto& [entity, character] : Entities) {
            if (text.substr(i, entity.size()) == entity) {
                out += character;
                i += entity.size() - 1;
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            out += text[i];
        }
    }
    return out;
}

} // namespace

std::string DataFolder(const std::string& programFolder) {
    if (Exists(programFolder + "help/index.html")) {
        return programFolder;
    }
    return programFolder + "../share/pickwell/";
}

std::string PageForTopic(std::string_view topic) {
    static const std::map<std::string_view, std::string_view> Pages{
        {TutorialTopic, "tutorial.html"},
        {"colors", "colours.html"},
        {"Form1", "main-window.html"},
        {"frmAdvMnuOp", "menu-style.html"},
        {"FrmAdvBttnOp", "button-style.html"},
        {"Form3", "code-window.html"},
        {"iemsgfrm", "notices.html"},
        {"Form4", "notices.html"},
        {"Form5", "notices.html"},
        {"frmImport", "import.html"},
        {"frmTip", "tips-about.html"},
        {"FrmAbt", "tips-about.html"},
        {"frmTAF", "tips-about.html"},
    };
    const auto it = Pages.find(topic);
    return std::string(it == Pages.end() ? "index.html" : it->second);
}

const std::vector<std::string>& HelpPages() {
    static const std::vector<std::string> Pages{
        "index.html",        "tutorial.html",    "main-window.html",  "menu-style.html",
        "button-style.html", "code-window.html", "notices.html",      "tips-about.html",
        "colours.html",      "navigation.html",  "project-file.html", "command-line.html",
        "code-forms.html",   "site-menus.html",   "check.html",   "import.html"};
    return Pages;
}

std::map<std::string, std::string> WhatsThisTexts(std::string_view html) {
    std::map<std::string, std::string> texts;
    constexpr std::string_view Term = "<dt id=\"";
    for (auto at = html.find(Term); at != std::string_view::npos; at = html.find(Term, at)) {
        at += Term.size();
        const auto nameEnd = html.find('"', at);
        const auto ddStart = html.find("<dd>", nameEnd);
        const auto ddEnd = html.find("</dd>", ddStart);
        if (nameEnd == std::string_view::npos || ddEnd == std::string_view::npos) {
            break;
        }
        texts[std::string(html.substr(at, nameEnd - at))] =
            DecodeEntities(html.substr(ddStart + 4, ddEnd - ddStart - 4));
    }
    return texts;
}

} // namespace pickwell
