#include "persistence/ProjectFile.h"

#include "model/MainForm.h"
#include "persistence/CIniFile.h"
#include "persistence/ProjectKeys.h"
#include "persistence/ProjectLines.h"
#include "text/LeadingNumber.h"
#include "text/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <utility>

namespace pickwell {

namespace {

// Far beyond any real menu (100,000 items take some 20 MB). Reading costs some 20 bytes a line
// and the key table up to 22 more for a line with a key, so this also keeps a crafted file of
// short lines below 2 GB of memory.
constexpr std::size_t MaxProjectFileSize = std::size_t{64} << 20;

// An item key's field, set to the value read.
void SetItemField(const ItemKey& key, MenuItem& item, std::string value) {
    if (key.text != nullptr) {
        item.*key.text = std::move(value);
    } else {
        item.*key.shortText = value;
    }
}

// The text a key's field is written as.
std::string KeyText(const ProjectKey& key, const FieldValue& value) {
    switch (key.form) {
    case KeyForm::ZeroOrOne:
        return value.number == 0 ? "0" : "1";
    case KeyForm::OnlyWhenOn:
        return "1";
    case KeyForm::Check:
    case KeyForm::ListPosition:
        return std::to_string(value.number);
    case KeyForm::Text:
    case KeyForm::Color:
    case KeyForm::FontName:
    case KeyForm::FontSize:
    case KeyForm::FontWeight:
        break;
    }
    return value.text;
}

// Builds the file in memory in the order the sections and keys are written.
class ProjectWriter {
public:
    // Room for the whole file is taken at once, so that a large file is not copied as it grows.
    explicit ProjectWriter(const MenuProject& project) {
        std::size_t size = 4096;
        for (const MenuItem& item : project.items) {
            size += 96 + item.text.size() + item.url.size() + item.backColor.size() +
                    item.textColor.size();
        }
        std::string text;
        text.reserve(size);
        text.append(ProjectHeaderLine).append("\r\n");
        m_ini.Assign(std::move(text));
    }

    void Section(const char* name) { m_ini.SetSection(name); }
    // Every key but one is written once in its section, so its line is added without a search.
    void Write(const std::string& key, std::string_view value) {
        m_ini.SetKey(key);
        m_ini.AppendValue(value);
    }
    // The selected item's number comes once for each item marked selected; the last one stays.
    void Overwrite(const std::string& key, std::string_view value) {
        m_ini.SetKey(key);
        m_ini.SetValue(value);
    }

    void WriteProject(const MenuProject& project);

    CIniFile& ini() { return m_ini; }

private:
    CIniFile m_ini;
};

void ProjectWriter::WriteProject(const MenuProject& project) {
    Section(ItemsSection);
    Write(ItemCountKey, std::to_string(project.items.size()));
    for (std::size_t i = 0; i < project.items.size(); ++i) {
        const MenuItem& item = project.items[i];
        const std::string n = std::to_string(i + 1);
        for (std::size_t s = 0; s < ItemSections.size(); ++s) {
            if (s == SelectedBeforeSection && item.selected == "Yes") {
                Section(SelectedSection);
                Overwrite(SelectedItemKey, n);
            }
            Section(ItemSections[s].name);
            for (const ItemKey& key : ItemSections[s].keys) {
                Write(key.prefix + n, key.text != nullptr ? std::string_view(item.*key.text)
                                                          : (item.*key.shortText).view());
            }
        }
        if (i == 0) {
            // The first item made the item sections: each takes room for all its lines now.
            const std::size_t rest = project.items.size() - 1;
            for (const ItemSection& section : ItemSections) {
                Section(section.name);
                m_ini.ReserveLines(section.keys.size() * rest);
            }
        }
    }

    for (const ProjectSection& section : ProjectSections()) {
        Section(section.name);
        for (const ProjectKey& key : section.keys) {
            const FieldValue value = key.get(project);
            if ((!key.written || key.written(project)) &&
                (key.form != KeyForm::OnlyWhenOn || value.number == 1)) {
                Write(key.name, KeyText(key, value));
            }
        }
    }
}

std::string IniValue(CIniFile& ini, const char* section, const std::string& key) {
    ini.SetSection(section);
    ini.SetKey(key);
    return ini.Value();
}

// Every value of an item section, each found by its key.
void ReadItemFieldsByKey(CIniFile& ini, std::vector<MenuItem>& items, const ItemSection& section) {
    ini.SetSection(section.name);
    std::string key;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        for (const ItemKey& field : section.keys) {
            key.assign(field.prefix).append(n);
            ini.SetKey(key);
            SetItemField(field, items[i], ini.Value());
        }
    }
}

// How many items the file holds, and the number of the selected one.
struct ItemCount {
    std::size_t count = 0;
    double selected = 0;
};

// Nothing when the count or the selected item cannot be read; `lines` is how many lines the
// whole file has.
std::optional<ItemCount> ReadItemCount(CIniFile& ini, std::size_t lines) {
    const std::optional<double> parsed =
        ParseLeadingNumber(IniValue(ini, ItemsSection, ItemCountKey));
    if (!parsed) {
        return std::nullopt;
    }
    const double count = RoundHalfEven(*parsed);
    if (count < std::numeric_limits<std::int32_t>::min() ||
        count > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    // Every item needs lines of its own, so a larger count cannot be genuine.
    if (count > static_cast<double>(lines)) {
        return std::nullopt;
    }
    const std::optional<double> selected =
        ParseLeadingNumber(IniValue(ini, SelectedSection, SelectedItemKey));
    if (count >= 1 && !selected) {
        return std::nullopt;
    }
    return ItemCount{count > 0 ? static_cast<std::size_t>(count) : 0, selected.value_or(0)};
}

// What a project file holds: its items, their texts indented under headings, and its other
// values to be read by key.
struct ProjectText {
    CIniFile ini;
    std::vector<MenuItem> items;
    double selected = 0;
};

enum class Reading { Done, Failed, NeedsKeys };

// One pass over the file as it is read, for a file whose item keys come in the order the
// writer writes them: NeedsKeys for any other.
Reading ReadInOnePass(const std::string& path, ProjectText& project) {
    // Room for the items at once: a file as the program writes it takes some 80 bytes an item
    // at least. Only a hint, so a file that is not there or changes size meanwhile does no harm.
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    ProjectLines lines(
        ec ? 0 : static_cast<std::size_t>(std::min<std::uintmax_t>(size, MaxProjectFileSize) / 64));
    const ReadResult file = ReadFileInLines(path, MaxProjectFileSize,
                                            [&lines](std::string_view run) { lines.Take(run); });
    if (!file.ok || !lines.StartsWithHeader()) {
        return Reading::Failed;
    }
    project.ini.Assign(lines.TakeOtherLines());
    const std::optional<ItemCount> count = ReadItemCount(project.ini, lines.LineCount());
    if (!count) {
        return Reading::Failed;
    }
    std::optional<std::vector<MenuItem>> items = lines.TakeItems(count->count);
    if (!items) {
        return Reading::NeedsKeys;
    }
    project.items = std::move(*items);
    project.selected = count->selected;
    return Reading::Done;
}

// The whole file held, each item value found by its key.
bool ReadByKey(const std::string& path, ProjectText& project) {
    ReadResult file = ReadWholeFile(path, MaxProjectFileSize);
    if (!file.ok || !HasProjectHeader(file.bytes)) {
        return false;
    }
    project.ini.Assign(std::move(file.bytes));
    const std::optional<ItemCount> count = ReadItemCount(project.ini, project.ini.LineCount());
    if (!count) {
        return false;
    }
    project.items.assign(count->count, MenuItem{});
    for (const ItemSection& section : ItemSections) {
        ReadItemFieldsByKey(project.ini, project.items, section);
    }
    bool headingAbove = false;
    for (MenuItem& item : project.items) {
        IndentUnderHeading(item, headingAbove);
    }
    project.selected = count->selected;
    return true;
}

// The value a key's text stands for; nothing when its form cannot take it.
std::optional<FieldValue> ReadKey(KeyForm form, std::string text) {
    // A whole number within [low, high], rounded as list positions and check boxes are.
    const auto whole = [&text](double low, double high) -> std::optional<FieldValue> {
        const std::optional<double> number = ParseLeadingNumber(text);
        if (!number) {
            return std::nullopt;
        }
        const double rounded = RoundHalfEven(*number);
        if (rounded < low || rounded > high) {
            return std::nullopt;
        }
        return FieldValue{static_cast<int>(rounded), {}};
    };
    switch (form) {
    case KeyForm::Color:
        return FieldValue{0, Utf8Left(text, ColorField::MaxLength)};
    case KeyForm::ZeroOrOne:
        return FieldValue{text == "0" ? 0 : 1, {}};
    case KeyForm::OnlyWhenOn:
        return FieldValue{text == "1" ? 1 : 0, {}};
    case KeyForm::Check:
        return whole(0, 2);
    case KeyForm::ListPosition:
        return whole(-1, 2);
    case KeyForm::FontSize:
        if (const std::optional<double> number = ParseLeadingNumber(text)) {
            return FieldValue{0, NumberToText(*number)};
        }
        return std::nullopt;
    case KeyForm::FontWeight:
        return whole(100, 900);
    case KeyForm::Text:
    case KeyForm::FontName:
        break;
    }
    return FieldValue{0, std::move(text)};
}

// Sets the file's values through the forms in the order a user would have set them. Any
// value a form cannot take ends the reading with false.
bool ApplyKeys(CIniFile& ini, ProjectForms& forms) {
    for (const ProjectSection& section : ProjectSections()) {
        ini.SetSection(section.name);
        for (const ProjectKey& key : section.keys) {
            ini.SetKey(key.name);
            ini.SetDefault(key.absent);
            const std::optional<FieldValue> value = ReadKey(key.form, ini.Value());
            if (!value) {
                return false;
            }
            key.apply(forms, *value);
        }
    }
    return true;
}

} // namespace

WriteResult SaveProjectFile(const MenuProject& project, const std::string& path, FileOps& ops) {
    ProjectWriter writer(project);
    writer.WriteProject(project);
    writer.ini().SetPath(path);
    return writer.ini().Save(ops);
}

std::string ProjectFileBytes(const MenuProject& project) {
    ProjectWriter writer(project);
    writer.WriteProject(project);
    return writer.ini().bytes();
}

bool HasProjectHeader(std::string_view bytes) {
    return bytes.substr(0, bytes.find_first_of("\r\n")) == ProjectHeaderLine;
}

bool LoadProjectFile(const std::string& path, ProjectForms& forms) {
    ProjectText project;
    const Reading reading = ReadInOnePass(path, project);
    if (reading == Reading::Failed ||
        (reading == Reading::NeedsKeys && !ReadByKey(path, project))) {
        return false;
    }
    const double selected = project.selected;
    if (selected >= 1 && selected <= static_cast<double>(project.items.size()) &&
        selected == static_cast<double>(static_cast<std::size_t>(selected))) {
        project.items[static_cast<std::size_t>(selected) - 1].selected = "Yes";
    }
    forms.main.AppendLoadedItems(std::move(project.items), true);
    return ApplyKeys(project.ini, forms);
}

} // namespace pickwell
