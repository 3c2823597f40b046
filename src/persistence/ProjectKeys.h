#pragma once

#include "model/MenuProject.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

// The keys of a project file and the fields they hold, declared once: the writer writes them
// and a load applies them in the order they stand here. A new option is one row in
// ProjectSections() (ProjectKeys.cpp), beside its form control and view.
namespace pickwell {

class ButtonStyleForm;
class MainForm;
class MenuStyleForm;
class Prompt;

// The forms a load sets every value through, so that each control's own handling runs, and
// the prompt that tells about a font the system lacks.
struct ProjectForms {
    MainForm& main;
    MenuStyleForm& menuStyle;
    ButtonStyleForm& buttonStyle;
    Prompt& prompt;
};

// How a key's text stands for its field, both ways.
enum class KeyForm {
    Text,         // as typed
    Color,        // as typed; a load keeps as much as the colour field holds
    ZeroOrOne,    // "0" or "1"; a load reads "0" as 0 and anything else as 1
    OnlyWhenOn,   // "1", and no line while off; a load reads "1" as 1 and anything else as 0
    Check,        // a check box, 0 to 2; a load takes the leading number, halves to even
    ListPosition, // a list position, -1 to 2, read as a check box is
    FontName,     // as typed; a load selects the font, after a note when it is not installed
    FontSize,     // as typed; a load takes the leading number, written shortest
    FontWeight,   // as typed; a load takes a whole number from 100 to 900
};

// A field's value on its way: the number for the forms that read a number, else the text.
struct FieldValue {
    int number = 0;
    std::string text;
};

// One key of a section and the field it holds.
struct ProjectKey {
    std::string name;
    KeyForm form;
    std::function<FieldValue(const MenuProject&)> get;
    // Hands a value read to the control that shows the field, as the user's change would.
    std::function<void(ProjectForms&, const FieldValue&)> apply;
    // Whether the line is written; a key is always written when this is empty.
    std::function<bool(const MenuProject&)> written = {};
    // What a file without the line reads as.
    std::string absent = {};
};

struct ProjectSection {
    const char* name;
    std::vector<ProjectKey> keys;
};

// The sections after the item sections, in the file's order.
const std::vector<ProjectSection>& ProjectSections();

// An item field and the prefix of its keys (prefix + item number): a free text or a short one.
struct ItemKey {
    const char* prefix;
    std::string MenuItem::*text = nullptr;
    ShortText MenuItem::*shortText = nullptr;
};

// A section of item values, its keys numbered by item.
struct ItemSection {
    const char* name;
    std::vector<ItemKey> keys;
};

inline constexpr const char* ItemsSection = "Items";
inline constexpr const char* ItemCountKey = "icount";
inline constexpr const char* SelectedSection = "Selected";
inline constexpr const char* SelectedItemKey = "SelectedItem";

// In the order each item's keys are written. The count heads the first section; the selected
// item's number has a section of its own, made where the first selected item is written:
// before the section of colours.
inline const std::array<ItemSection, 4> ItemSections{{
    {ItemsSection, {{"Item ", &MenuItem::text}}},
    {"URLS", {{"URL ", &MenuItem::url}}},
    {"Linked", {{"", nullptr, &MenuItem::linked}}},
    {"ItemColors",
     {{"Backcolor ", nullptr, &MenuItem::backColor},
      {"Textcolor ", nullptr, &MenuItem::textColor},
      {"IsHeading ", nullptr, &MenuItem::isHeading}}},
}};
inline constexpr std::size_t SelectedBeforeSection = 3;

} // namespace pickwell
