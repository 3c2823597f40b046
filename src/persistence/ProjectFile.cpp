#include "persistence/ProjectFile.h"

#include "model/MainForm.h"
#include "persistence/CIniFile.h"
#include "persistence/LeadingNumber.h"
#include "persistence/RecentFiles.h"
#include "persistence/SaveLoadDialogs.h"
#include "persistence/Workspace.h"
#include "platform/SettingsStore.h"
#include "style/ButtonStyleForm.h"
#include "style/MenuStyleForm.h"
#include "style/ResetProject.h"
#include "style/StyleTransfer.h"
#include "text/Utf8.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <future>
#include <limits>
#include <optional>
#include <utility>

namespace pickwell {

namespace {

constexpr const char* FoldersSection = "Folders";
constexpr const char* LastFolderKey = "Last Used Save Folder";
// Far beyond any real menu (100,000 items take some 20 MB). Reading costs some 20 bytes a line
// and the key table up to 22 more for a line with a key, so this also keeps a crafted file of
// short lines below 2 GB of memory.
constexpr std::size_t MaxProjectFileSize = std::size_t{64} << 20;

std::string TitleFor(const std::string& path) {
    return "Pickwell - " + FileNamePart(path);
}

std::string Flag(int value) {
    return std::to_string(value);
}

// An item field and the prefix of its keys (prefix + item number): a free text or a short one.
struct ItemField {
    const char* prefix;
    std::string MenuItem::*text = nullptr;
    ShortText MenuItem::*shortText = nullptr;

    void Set(MenuItem& item, std::string value) const {
        if (text != nullptr) {
            item.*text = std::move(value);
        } else {
            item.*shortText = value;
        }
    }
};

// A section of item values, and the item field each of its keys holds.
struct ItemSection {
    const char* name;
    std::vector<ItemField> fields;
};

const std::array<ItemSection, 4> ItemSections{{
    {"Items", {{"Item ", &MenuItem::text}}},
    {"Linked", {{"", nullptr, &MenuItem::linked}}},
    {"URLS", {{"URL ", &MenuItem::url}}},
    {"ItemColors",
     {{"Backcolor ", nullptr, &MenuItem::backColor},
      {"Textcolor ", nullptr, &MenuItem::textColor},
      {"IsHeading ", nullptr, &MenuItem::isHeading}}},
}};

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
    Section("Items");
    Write("icount", std::to_string(project.items.size()));
    for (std::size_t i = 0; i < project.items.size(); ++i) {
        const MenuItem& item = project.items[i];
        const std::string n = std::to_string(i + 1);
        Section("Items");
        Write("Item " + n, item.text);
        Section("URLS");
        Write("URL " + n, item.url);
        Section("Linked");
        Write(n, item.linked);
        if (item.selected == "Yes") {
            Section("Selected");
            Overwrite("SelectedItem", n);
        }
        Section("ItemColors");
        Write("Backcolor " + n, item.backColor);
        Write("Textcolor " + n, item.textColor);
        Write("IsHeading " + n, item.isHeading);
        if (i == 0) {
            // The first item made the item sections: each takes room for all its lines now.
            const std::size_t rest = project.items.size() - 1;
            for (const ItemSection& section : ItemSections) {
                Section(section.name);
                m_ini.ReserveLines(section.fields.size() * rest);
            }
        }
    }

    const MenuOptions& options = project.menuOptions;
    Section("Menu Options");
    Write("Navigate", options.navigateMode == 0 ? "0" : "1");
    Write("Align to Button", std::to_string(options.alignToButton));
    Write("Target", std::to_string(options.target));
    Write("Frame Name", options.frameName);
    Write("Menu Name", options.menuName);
    // Classic projects keep the bytes they always had: the keys exist only with the option on.
    if (options.standardsCode == 1) {
        Write("Standards Code", "1");
        if (!options.listLabel.empty()) {
            Write("List Label", options.listLabel);
        }
    }

    const MenuStyle& menu = project.menuStyle;
    Section("Adv Menu Opts");
    Write("Text Color", menu.textColor);
    Write("BG Color", menu.bgColor);
    Write("System Menu Colors", Flag(menu.useSystemColors));
    Write("Font", menu.fontName);
    Write("Font Size", menu.fontSize);
    Write("Font Weight", menu.fontWeight);
    Write("Underline", Flag(menu.underline));
    Write("Italics", Flag(menu.italic));
    Write("Width", menu.width);
    Write("Constrain Width", Flag(menu.constrainWidth));

    const ButtonOptions& button = project.buttonOptions;
    Section("Button Options");
    Write("Button Type", button.buttonType == 0 ? "0" : "1");
    Write("Button Text", button.buttonText);
    Write("Button Graphic URL", button.graphicUrl);
    Write("Button Graphic Wdth", button.graphicWidth);
    Write("Button Graphic Ht", button.graphicHeight);
    Write("Alt Text", button.altText);

    const ButtonStyle& style = project.buttonStyle;
    Section("Adv Button Opts");
    Write("Color 0", style.textColor);
    Write("Color 1", style.bgColor);
    for (std::size_t side = 0; side < style.borderColors.size(); ++side) {
        Write("Color " + std::to_string(side + 2), style.borderColors[side]);
    }
    Write("Synch Left and Top", Flag(style.syncLeftTop));
    Write("Synch Right and Bottom", Flag(style.syncRightBottom));
    Write("Border", Flag(style.noBorder));
    Write("System Button Colors", Flag(style.useSystemColors));
    Write("Font", style.fontName);
    Write("Font Size", style.fontSize);
    Write("Font Weight", style.fontWeight);
    Write("Underline", Flag(style.underline));
    Write("Italics", Flag(style.italic));
    Write("Height", style.height);
    Write("Width", style.width);
    Write("Border Thickness", style.borderThickness);
    Write("Constrain Button Size", Flag(style.constrainSize));
}

Message FontMissingMessage() {
    Message message;
    message.title = "Note";
    message.text = "This menu project uses a font that is not installed on your system. The "
                   "default font will be used instead.";
    message.icon = MessageIcon::Information;
    return message;
}

Message LoadFailedMessage(const std::string& path) {
    Message message;
    message.title = "Oops!";
    message.text = "Could not load \"" + FileNamePart(path) +
                   "\". The file is either corrupt, not a valid Pickwell project file, or no "
                   "longer exists.";
    message.icon = MessageIcon::Warning;
    return message;
}

std::string IniValue(CIniFile& ini, const char* section, const std::string& key) {
    ini.SetSection(section);
    ini.SetKey(key);
    return ini.Value();
}

// How many items the thread that makes them has made; a second thread waits on it.
class ItemsMade {
public:
    void Publish(std::size_t count) {
        m_count.store(count, std::memory_order_release);
        m_count.notify_one();
    }
    void Abandon() { Publish(Abandoned); }
    // False when the maker gave up before making that many.
    bool WaitFor(std::size_t count) {
        std::size_t now = m_count.load(std::memory_order_acquire);
        while (now < count) {
            m_count.wait(now, std::memory_order_acquire);
            now = m_count.load(std::memory_order_acquire);
        }
        return now != Abandoned;
    }

private:
    static constexpr std::size_t Abandoned = std::numeric_limits<std::size_t>::max();
    std::atomic<std::size_t> m_count{0};
};

// The values of some item sections, read in order into runs of items.
class SectionRuns {
public:
    SectionRuns(const CIniFile& ini, std::vector<std::size_t> sections, std::size_t count)
        : m_sections(std::move(sections)) {
        for (const std::size_t s : m_sections) {
            std::vector<std::string> prefixes;
            for (const ItemField& field : ItemSections[s].fields) {
                prefixes.emplace_back(field.prefix);
            }
            m_readers.push_back(ini.ReadInOrder(ItemSections[s].name, std::move(prefixes), count));
        }
    }

    void Read(MenuItem* items, std::size_t first, std::size_t end) {
        for (std::size_t r = 0; r < m_readers.size(); ++r) {
            ReadSection(m_readers[r], ItemSections[m_sections[r]].fields, items, first, end);
        }
    }

    // The sections whose order broke: they have to be read key by key.
    std::vector<std::size_t> Broken() const {
        std::vector<std::size_t> broken;
        for (std::size_t r = 0; r < m_readers.size(); ++r) {
            if (!m_readers[r].Complete()) {
                broken.push_back(m_sections[r]);
            }
        }
        return broken;
    }

private:
    // Stops where the section's order breaks.
    void ReadSection(CIniFile::InOrder& reader, const std::vector<ItemField>& fields,
                     MenuItem* items, std::size_t first, std::size_t end) {
        for (std::size_t i = first; i < end; ++i) {
            for (const ItemField& field : fields) {
                if (field.text != nullptr) {
                    // A text keeps room for the indent the list may give it.
                    const std::size_t spare =
                        field.text == &MenuItem::text ? HeadingIndent.size() : 0;
                    if (!reader.Next(items[i].*field.text, spare)) {
                        return;
                    }
                } else if (std::string_view value; reader.NextView(value, m_scratch)) {
                    // Flags and colours are ASCII nearly always, which needs no decoding.
                    items[i].*field.shortText = value;
                } else {
                    return;
                }
            }
        }
    }

    std::vector<std::size_t> m_sections;
    std::vector<CIniFile::InOrder> m_readers;
    std::string m_scratch; // a short text that needed decoding
};

// Every value of an item section, each found by its key.
void ReadItemFieldsByKey(CIniFile& ini, std::vector<MenuItem>& items, const ItemSection& section) {
    ini.SetSection(section.name);
    std::string key;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        for (const ItemField& field : section.fields) {
            key.assign(field.prefix).append(n);
            ini.SetKey(key);
            field.Set(items[i], ini.Value());
        }
    }
}

// Below this many items a second thread costs more than it saves.
constexpr std::size_t TwoThreadsFrom = 4096;

// The file's items, or none when their count or the selected item cannot be read.
std::optional<std::vector<MenuItem>> TakeItems(CIniFile& ini) {
    const std::optional<double> parsed = ParseLeadingNumber(IniValue(ini, "Items", "icount"));
    if (!parsed) {
        return std::nullopt;
    }
    const double count = RoundHalfEven(*parsed);
    if (count < std::numeric_limits<std::int32_t>::min() ||
        count > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    // Every item needs lines of its own, so a larger count cannot be genuine.
    if (count > static_cast<double>(ini.LineCount())) {
        return std::nullopt;
    }
    const std::optional<double> selected =
        ParseLeadingNumber(IniValue(ini, "Selected", "SelectedItem"));
    if (count >= 1 && !selected) {
        return std::nullopt;
    }
    const std::size_t total = count > 0 ? static_cast<std::size_t>(count) : 0;
    std::vector<MenuItem> items;
    // The room is taken once, so that the items stay in place while a second thread fills them.
    items.reserve(total);
    MenuItem* const made = items.data();

    // Items are made a run at a time, few enough to stay in the cache, and given their texts
    // and links; their addresses and colours follow a run behind, on a second thread for a
    // large list, which splits the work about evenly. Each section is read on from where it
    // stopped.
    constexpr std::size_t Run = 1024;
    SectionRuns leading(ini, {0, 1}, total);
    SectionRuns following(ini, {2, 3}, total);
    ItemsMade progress;
    const auto follow = [&] {
        for (std::size_t first = 0; first < total; first += Run) {
            const std::size_t end = std::min(total, first + Run);
            if (!progress.WaitFor(end)) {
                return;
            }
            following.Read(made, first, end);
        }
    };
    std::future<void> follower;
    if (total >= TwoThreadsFrom) {
        follower = std::async(std::launch::async, follow);
    }
    try {
        for (std::size_t first = 0; first < total; first += Run) {
            const std::size_t end = std::min(total, first + Run);
            items.resize(end);
            for (std::size_t i = first; i < end; ++i) {
                if (*selected == static_cast<double>(i + 1)) {
                    items[i].selected = "Yes";
                }
            }
            leading.Read(made, first, end);
            progress.Publish(end);
        }
    } catch (...) {
        progress.Abandon();
        throw;
    }
    if (follower.valid()) {
        follower.get();
    } else {
        follow();
    }
    for (const SectionRuns* runs : {&leading, &following}) {
        for (const std::size_t s : runs->Broken()) {
            ReadItemFieldsByKey(ini, items, ItemSections[s]);
        }
    }
    return items;
}

// Reads the file's values into the windows in the order a user would have set them. Any
// value the windows cannot take ends the reading with false.
class ProjectReader {
public:
    ProjectReader(Workspace& workspace, ProjectFileRead& read)
        : m_w(workspace)
        , m_read(read)
        , m_ini(read.ini) {}

    bool ReadAll() {
        if (!ReadItems() || !ReadMenuOptions() || !ReadMenuStyle()) {
            return false;
        }
        ReadButtonOptions();
        return ReadButtonStyle();
    }

private:
    std::string Get(const char* section, const std::string& key) {
        return IniValue(m_ini, section, key);
    }

    // As much as the colour field holds.
    std::string Color(const char* section, const std::string& key) {
        return Utf8Left(Get(section, key), ColorField::MaxLength);
    }

    // A whole number within [low, high], rounded as list positions and check boxes are.
    std::optional<int> Whole(const char* section, const char* key, double low, double high) {
        const std::optional<double> number = ParseLeadingNumber(Get(section, key));
        if (!number) {
            return std::nullopt;
        }
        const double whole = RoundHalfEven(*number);
        if (whole < low || whole > high) {
            return std::nullopt;
        }
        return static_cast<int>(whole);
    }
    std::optional<int> Check(const char* section, const char* key) {
        return Whole(section, key, 0, 2);
    }
    std::optional<int> ListPosition(const char* section, const char* key) {
        return Whole(section, key, -1, 2);
    }
    std::optional<int> Weight(const char* section) {
        return Whole(section, "Font Weight", 100, 900);
    }
    std::optional<std::string> FontSize(const char* section) {
        const std::optional<double> number = ParseLeadingNumber(Get(section, "Font Size"));
        if (!number) {
            return std::nullopt;
        }
        return NumberToText(*number);
    }

    bool ReadItems();
    bool ReadMenuOptions();
    bool ReadMenuStyle();
    void ReadButtonOptions();
    bool ReadButtonStyle();
    void ChooseFont(bool found);

    Workspace& m_w;
    ProjectFileRead& m_read;
    CIniFile& m_ini;
};

bool ProjectReader::ReadItems() {
    if (!m_read.items) {
        return false;
    }
    m_w.main.AppendLoadedItems(std::move(*m_read.items));
    return true;
}

// Hands a value that was accepted to `apply`; false when it was not.
template <typename Value, typename Apply>
bool Take(const std::optional<Value>& value, Apply apply) {
    if (value) {
        apply(*value);
    }
    return value.has_value();
}

bool ProjectReader::ReadMenuOptions() {
    const char* section = "Menu Options";
    MainForm& main = m_w.main;
    const int navigate = Get(section, "Navigate") == "0" ? 0 : 1;
    main.SetNavigateMode(navigate);
    main.ApplyNavigateMode(navigate);
    if (!Take(ListPosition(section, "Align to Button"), [&](int v) { main.SetAlignToButton(v); }) ||
        !Take(ListPosition(section, "Target"), [&](int v) { main.SetTarget(v); })) {
        return false;
    }
    main.SetFrameName(Get(section, "Frame Name"));
    main.SetMenuName(Get(section, "Menu Name"));
    main.SetStandardsCode(Get(section, "Standards Code") == "1" ? 1 : 0);
    main.SetListLabel(Get(section, "List Label"));
    return true;
}

void ProjectReader::ChooseFont(bool found) {
    if (!found) {
        m_w.prompt.Show(FontMissingMessage());
    }
}

bool ProjectReader::ReadMenuStyle() {
    const char* section = "Adv Menu Opts";
    MenuStyleForm& menu = m_w.menuStyle;
    menu.SetColorText(0, Color(section, "Text Color"));
    menu.SetColorText(1, Color(section, "BG Color"));
    if (!Take(Check(section, "System Menu Colors"), [&](int v) {
            menu.SetSystemColors(v);
            menu.ApplyMenuColorMode();
        })) {
        return false;
    }
    ChooseFont(menu.SelectFont(Get(section, "Font")));
    if (!Take(FontSize(section), [&](const std::string& v) { menu.SetFontSizeText(v); }) ||
        !Take(Weight(section), [&](int v) { menu.SetFontWeight(v); }) ||
        !Take(Check(section, "Underline"), [&](int v) { menu.SetUnderline(v); }) ||
        !Take(Check(section, "Italics"), [&](int v) { menu.SetItalic(v); })) {
        return false;
    }
    menu.SetWidthText(Get(section, "Width"));
    return Take(Check(section, "Constrain Width"), [&](int v) {
        menu.SetConstrainWidth(v);
        menu.ApplyMenuWidthMode();
    });
}

void ProjectReader::ReadButtonOptions() {
    const char* section = "Button Options";
    MainForm& main = m_w.main;
    main.SetButtonType(Get(section, "Button Type") == "0" ? 0 : 1);
    main.ApplyButtonKind();
    main.SetButtonText(Get(section, "Button Text"));
    main.SetGraphicUrl(Get(section, "Button Graphic URL"));
    main.SetGraphicWidth(Get(section, "Button Graphic Wdth"));
    main.SetGraphicHeight(Get(section, "Button Graphic Ht"));
    main.SetAltText(Get(section, "Alt Text"));
}

bool ProjectReader::ReadButtonStyle() {
    const char* section = "Adv Button Opts";
    ButtonStyleForm& button = m_w.buttonStyle;
    for (int n = 0; n < ButtonStyleForm::ColorCount; ++n) {
        button.SetColorText(n, Color(section, "Color " + std::to_string(n)));
    }
    if (!Take(Check(section, "Synch Left and Top"), [&](int v) { button.SetSyncTopLeft(v); }) ||
        !Take(Check(section, "Synch Right and Bottom"),
              [&](int v) { button.SetSyncRightBottom(v); }) ||
        !Take(Check(section, "Border"), [&](int v) { button.SetNoBorder(v); }) ||
        !Take(Check(section, "System Button Colors"), [&](int v) {
            button.SetSystemColors(v);
            button.ApplyButtonColorMode();
        })) {
        return false;
    }
    ChooseFont(button.SelectFont(Get(section, "Font")));
    if (!Take(FontSize(section), [&](const std::string& v) { button.SetFontSizeText(v); }) ||
        !Take(Weight(section), [&](int v) { button.SetFontWeight(v); }) ||
        !Take(Check(section, "Underline"), [&](int v) { button.SetUnderline(v); }) ||
        !Take(Check(section, "Italics"), [&](int v) { button.SetItalic(v); })) {
        return false;
    }
    button.SetHeightText(Get(section, "Height"));
    button.SetWidthText(Get(section, "Width"));
    button.SetThicknessText(Get(section, "Border Thickness"));
    return Take(Check(section, "Constrain Button Size"), [&](int v) {
        button.SetConstrainSize(v);
        button.ApplyButtonSizeMode();
    });
}

// The first line, without its line end.
std::string_view FirstLine(std::string_view bytes) {
    return bytes.substr(0, bytes.find_first_of("\r\n"));
}

} // namespace

SaveResult SaveProject(Workspace& w) {
    MenuProject& project = w.project;
    CommitStyleWindow("mnu", w.menuStyle, w.buttonStyle);
    CommitStyleWindow("bttn", w.menuStyle, w.buttonStyle);

    ProjectWriter writer(project);
    writer.WriteProject(project);

    const std::string folder =
        w.settings.GetSetting(FoldersSection, LastFolderKey, w.documentsFolder);
    const std::string chosen =
        ShowSaveDialog(w.dialogs, ProjectFileFilter, "Save Menu Project as...", folder,
                       FileNamePart(project.ProjectPath));
    if (chosen.empty()) {
        project.SaveCancelled = true;
        return SaveResult::Cancelled;
    }

    const std::string previousPath = project.ProjectPath;
    const bool previousDirty = project.DirtyFlag;
    const bool previousHasFile = project.HasProjectFile;
    project.ProjectPath = CutAtNul(chosen);
    w.settings.SaveSetting(FoldersSection, LastFolderKey, project.ProjectPath);
    project.DirtyFlag = false;
    project.HasProjectFile = true;

    writer.ini().SetPath(project.ProjectPath);
    const WriteResult written = writer.ini().Save(w.fileOps);
    if (!written.ok) {
        // The changes are still unsaved: keep them protected by the save question.
        project.ProjectPath = previousPath;
        project.DirtyFlag = previousDirty;
        project.HasProjectFile = previousHasFile;
        w.prompt.Show(SaveErrorMessage(written.error));
        return SaveResult::Failed;
    }

    w.main.SetWindowTitle(TitleFor(project.ProjectPath));
    w.recentFiles.ShowSeparator();
    w.recentFiles.AddToRecentFiles(project.ProjectPath);
    return SaveResult::Saved;
}

ProjectFileRead ReadProjectFile(const std::string& path) {
    ProjectFileRead read;
    CIniFile& ini = read.ini;
    std::string& text = ini.BeginAssign(
        {ItemSections[0].name, ItemSections[1].name, ItemSections[2].name, ItemSections[3].name});
    const ReadResult file = ReadFileInPieces(path, MaxProjectFileSize, text,
                                             [&ini](std::size_t filled) { ini.TakeLines(filled); });
    read.isProject = file.ok && FirstLine(text) == ProjectHeaderLine;
    if (read.isProject) {
        ini.EndAssign();
        read.items = TakeItems(ini);
    }
    return read;
}

bool LoadProject(Workspace& w, const std::string& path, std::optional<ProjectFileRead> read) {
    MenuProject& project = w.project;
    std::string chosen = path;
    if (chosen.empty()) {
        const std::string folder =
            w.settings.GetSetting(FoldersSection, LastFolderKey, w.documentsFolder);
        chosen = ShowOpenDialog(w.dialogs, ProjectFileFilter, "Load Menu Project...", folder);
        if (chosen.empty()) {
            return false;
        }
    }

    project.ProjectPath = CutAtNul(chosen);
    w.settings.SaveSetting(FoldersSection, LastFolderKey, project.ProjectPath);
    ResetProject(w.main, w.menuStyle, w.buttonStyle);
    project.SilentRestore = true;

    ProjectFileRead file = read ? std::move(*read) : ReadProjectFile(project.ProjectPath);
    const bool loaded = file.isProject && ProjectReader(w, file).ReadAll();
    if (!loaded) {
        ResetProject(w.main, w.menuStyle, w.buttonStyle);
        w.prompt.Show(LoadFailedMessage(project.ProjectPath));
        return false;
    }

    project.DirtyFlag = false;
    project.HasProjectFile = true;
    CommitStyleWindow("mnu", w.menuStyle, w.buttonStyle);
    CommitStyleWindow("bttn", w.menuStyle, w.buttonStyle);
    project.SilentRestore = false;

    w.main.SetWindowTitle(TitleFor(project.ProjectPath));
    w.recentFiles.ShowSeparator();

    w.main.SetItemText("");
    w.main.SetLinkText("");
    w.main.SetNotLinked(0);
    w.main.SetDefaultColor(1);
    w.main.RunDefaultColorClick();
    w.main.FocusControl("itemtexttext");

    w.recentFiles.AddToRecentFiles(project.ProjectPath);
    return true;
}

} // namespace pickwell
