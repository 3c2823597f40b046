#pragma once

#include "model/ShortText.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The one document the user edits. Every field keeps the form the project file stores:
// free texts as typed, item flags as "Yes"/"No", check boxes 0/1, list choices as list
// positions, colours as "#RRGGBB" (items may also say "Default").
namespace pickwell {

// What an item's text carries in front when a heading stands above it.
inline constexpr std::string_view HeadingIndent = "   ";

// One row of the item list; the fields are the list's seven columns in order.
struct MenuItem {
    std::string text; // carries HeadingIndent in front when a heading stands above it
    ShortText linked = "No";
    std::string url;
    ShortText selected = "No";
    ShortText backColor = "Default";
    ShortText textColor = "Default";
    ShortText isHeading = "No";

    bool operator==(const MenuItem&) const = default;
};

// Below a heading, every item that is not one itself is indented: called for the rows in their
// order, with `headingAbove` false before the first.
void IndentUnderHeading(MenuItem& row, bool& headingAbove);

// Where phones and small tablets end, in CSS pixels.
inline constexpr std::string_view DefaultWideScreenWidth = "768";

struct MenuOptions {
    int navigateMode = 0;  // 0 navigate on button click, 1 on item change
    int alignToButton = 1; // "Top", "Middle", "Bottom"; -1 when nothing is chosen
    int target = 0;        // "Same window", "New window", "Different frame"; -1 none
    std::string frameName;
    std::string menuName = "MyMenu";
    // 1: the menu is written as standards-compliant code instead of the classic form.
    int standardsCode = 0;
    // The list's visible label in standards-compliant code; empty: the menu name, not shown.
    std::string listLabel;
    // 1: the list shows the item whose link leads to the page being viewed, so that one menu
    // serves every page of a site (standards-compliant code only).
    int showCurrentPage = 0;
    // 1: screens at least wideScreenWidth pixels wide show the items as a list of links, and
    // narrower ones the drop-down (standards-compliant code only).
    int wideScreenLinks = 0;
    std::string wideScreenWidth{DefaultWideScreenWidth};

    bool operator==(const MenuOptions&) const = default;
};

struct ButtonOptions {
    int buttonType = 0; // 0 standard submit button, 1 image button
    std::string buttonText = "Go";
    std::string graphicUrl;
    std::string graphicWidth;
    std::string graphicHeight;
    std::string altText;

    bool operator==(const ButtonOptions&) const = default;
};

struct MenuStyle {
    std::string textColor = "#000000";
    std::string bgColor = "#FFFFFF";
    int useSystemColors = 1;
    std::string fontName = "MS Sans Serif";
    std::string fontSize = "13";
    std::string fontWeight = "500";
    int underline = 0;
    int italic = 0;
    std::string width;
    int constrainWidth = 1;

    bool operator==(const MenuStyle&) const = default;
};

// Border colours are indexed like the file's "Color 2" to "Color 5".
enum BorderSide { BorderTop = 0, BorderLeft = 1, BorderRight = 2, BorderBottom = 3 };

struct ButtonStyle {
    std::string textColor = "#000000";
    std::string bgColor = "#C0C0C0";
    std::array<std::string, 4> borderColors{"#FFFFFF", "#FFFFFF", "#808080", "#808080"};
    int syncLeftTop = 1;
    int syncRightBottom = 1;
    int noBorder = 1;
    int useSystemColors = 1;
    std::string fontName = "MS Sans Serif";
    std::string fontSize = "13";
    std::string fontWeight = "500";
    int underline = 0;
    int italic = 0;
    std::string width;
    std::string height;
    std::string borderThickness;
    int constrainSize = 1;

    bool operator==(const ButtonStyle&) const = default;
};

// The texts the option lists show, by list position.
inline constexpr std::array<const char*, 3> AlignToButtonTexts{"Top", "Middle", "Bottom"};
inline constexpr std::array<const char*, 3> TargetTexts{"Same window", "New window",
                                                        "Different frame"};
inline constexpr int TargetDifferentFrame = 2;

struct MenuProject {
    std::vector<MenuItem> items;
    MenuOptions menuOptions;
    ButtonOptions buttonOptions;
    MenuStyle menuStyle;     // committed copy of the menu style window
    ButtonStyle buttonStyle; // committed copy of the button style window

    std::string ProjectPath;
    bool DirtyFlag = false;
    bool HasProjectFile = false;
    bool SaveCancelled = false;
    bool SilentRestore = false;

    // 1-based position of the item marked "Yes" in "Selected?", if any.
    std::optional<std::size_t> selectedItem() const;
};

} // namespace pickwell
