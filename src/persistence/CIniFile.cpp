#include "persistence/CIniFile.h"

#include "text/Windows1252.h"

#include <algorithm>

namespace pickwell {

namespace {

constexpr std::size_t MaxValueLength = 254;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::string Fold(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}

std::string ToFile(std::string_view utf8) {
    return EncodeWindows1252(utf8, Unmappable::QuestionMark);
}

// The name of a "[Name]" line, or nothing for any other line.
bool SectionName(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return false;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return false;
    }
    name = Trim(line.substr(1, close - 1));
    return true;
}

// The key of a "Key=Value" line, or nothing for any other line.
bool KeyName(std::string_view line, std::string_view& key) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) {
        return false;
    }
    key = Trim(line.substr(0, eq));
    return true;
}

} // namespace

void CIniFile::Assign(std::string_view bytes) {
    m_preamble.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        AddLine(std::string(line));
    }
}

void CIniFile::AddLine(std::string line) {
    std::string_view name;
    if (SectionName(line, name)) {
        m_sectionIndex.try_emplace(Fold(name), m_sections.size());
        m_sections.push_back({std::move(line), {}, {}, 0});
        return;
    }
    if (m_sections.empty()) {
        m_preamble.push_back(std::move(line));
        return;
    }
    SectionBlock& block = m_sections.back();
    if (KeyName(line, name)) {
        block.keys.try_emplace(Fold(name), block.lines.size());
        block.valueEnd = block.lines.size() + 1;
    }
    block.lines.push_back(std::move(line));
}

void CIniFile::SetSection(std::string_view name) {
    m_section = name;
    m_foldedSection = Fold(ToFile(name));
}

const CIniFile::SectionBlock* CIniFile::FindSection() const {
    const auto it = m_sectionIndex.find(m_foldedSection);
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

std::string CIniFile::Value() const {
    const SectionBlock* block = FindSection();
    if (block == nullptr) {
        return m_default;
    }
    const auto key = block->keys.find(Fold(ToFile(m_key)));
    if (key == block->keys.end()) {
        return m_default;
    }
    const std::string& line = block->lines[key->second];
    std::string_view value = Trim(std::string_view(line).substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return DecodeWindows1252(value.substr(0, MaxValueLength));
}

CIniFile::SectionBlock& CIniFile::SectionForWriting() {
    const auto [it, added] = m_sectionIndex.try_emplace(m_foldedSection, m_sections.size());
    if (added) {
        m_sections.push_back({"[" + ToFile(m_section) + "]", {}, {}, 0});
    }
    return m_sections[it->second];
}

void CIniFile::SetValue(std::string_view text) {
    std::string value;
    value.reserve(text.size());
    for (char c : text) {
        if (c == '\0') {
            continue;
        }
        // A line break would end the value and let the rest pose as lines of its own.
        value += (c == '\r' || c == '\n') ? ' ' : c;
    }
    value = ToFile(value);

    SectionBlock& block = SectionForWriting();
    const std::string keyBytes = ToFile(m_key);
    const auto [it, added] = block.keys.try_emplace(Fold(keyBytes), block.valueEnd);
    if (!added) {
        std::string& line = block.lines[it->second];
        line.replace(line.find('=') + 1, std::string::npos, value);
        return;
    }
    block.lines.insert(block.lines.begin() + static_cast<std::ptrdiff_t>(block.valueEnd),
                       keyBytes + "=" + value);
    ++block.valueEnd;
}

std::string CIniFile::bytes() const {
    std::string out;
    const auto add = [&out](const std::string& line) {
        out += line;
        out += "\r\n";
    };
    std::for_each(m_preamble.begin(), m_preamble.end(), add);
    for (const SectionBlock& block : m_sections) {
        add(block.header);
        std::for_each(block.lines.begin(), block.lines.end(), add);
    }
    return out;
}

std::size_t CIniFile::LineCount() const {
    std::size_t count = m_preamble.size();
    for (const SectionBlock& block : m_sections) {
        count += 1 + block.lines.size();
    }
    return count;
}

WriteResult CIniFile::Save(FileOps& ops) const {
    return WriteFileAtomically(m_path, bytes(), ops);
}

} // namespace pickwell
