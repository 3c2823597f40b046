#include "codegen/SiteCode.h"

#include "codegen/CodePieces.h"
#include "codegen/MenuScript.h"
#include "codegen/MenuStyleSheet.h"
#include "codegen/StandardsCode.h"

namespace pickwell {
namespace {

// A file name as a relative address: what is not safe in one is percent-encoded, which also
// keeps the name from ending the comment it stands in.
std::string AddressOf(std::string_view name) {
    constexpr std::string_view Safe = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                      "0123456789-._~";
    constexpr std::string_view Hex = "0123456789ABCDEF";
    std::string out;
    for (const char c : name) {
        if (Safe.find(c) != std::string_view::npos) {
            out += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            out += '%';
            out += Hex[byte >> 4];
            out += Hex[byte & 0xF];
        }
    }
    return out;
}

std::string HeadLines(std::string_view fileStem) {
    const std::string stem = AddressOf(fileStem);
    std::string out;
    Line(out, "<!--Place these two lines in the head section of every page that shows this menu,");
    Line(out, "with the paths from that page to the files:");
    Line(out, "<link rel=\"stylesheet\" href=\"" + stem + ".css\">");
    Line(out, "<script src=\"" + stem + ".js\" defer></script>");
    Line(out, "-->");
    return out;
}

} // namespace

SiteFiles GenerateSiteFiles(const MenuProject& project, const GenericFamilyOf& genericFamily,
                            std::string_view fileStem) {
    const MenuOptions& options = project.menuOptions;
    const MenuStyleSheet sheet(project, genericFamily);

    SiteFiles files;
    files.html = StandardsHtmlCode(project, OutputMode::File, genericFamily, {}, &sheet,
                                   HeadLines(fileStem.empty() ? options.menuName : fileStem));
    Line(files.css,
         "/* The menu \"" + options.menuName + "\", " + std::string(SiteFileMark) + " */");
    files.css += sheet.text();
    Line(files.script, "// The menu script, " + std::string(SiteFileMark) +
                           ": one copy serves every menu of the page.");
    AppendLines(files.script, MenuScript(ScriptForm::Site));
    return files;
}

} // namespace pickwell
