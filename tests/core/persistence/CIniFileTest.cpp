#include "persistence/CIniFile.h"
#include "ReferenceIni.h"
#include "persistence/ProjectLines.h"
#include "text/Windows1252.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

std::string Read(CIniFile ini, const std::string& section, const std::string& key) {
    ini.SetSection(section);
    ini.SetKey(key);
    return ini.Value();
}

// What the literal reader reads, or the empty Default() when the key is missing.
std::string Literal(std::string_view text, std::string_view section, std::string_view key) {
    return reference::IniValue(text, section, key).value_or("");
}

void Write(CIniFile& ini, const std::string& section, const std::string& key,
           const std::string& value) {
    ini.SetSection(section);
    ini.SetKey(key);
    ini.SetValue(value);
}

TEST(CIniFile, AddsSectionsAndKeysAtTheEndAndReplacesKeysInPlace) {
    CIniFile ini;
    ini.Assign("Header line\r\n[Old]\r\nx=1\r\n\r\n");
    Write(ini, "Items", "icount", "2");
    Write(ini, "URLS", "URL 1", "");
    Write(ini, "Items", "Item 1", "  spaced  ");
    Write(ini, "items", "ICOUNT", "3");
    Write(ini, "old", "y", "2"); // after the last value line, before the blank one
    EXPECT_EQ("Header line\r\n[Old]\r\nx=1\r\ny=2\r\n\r\n"
              "[Items]\r\nicount=3\r\nItem 1=  spaced  \r\n"
              "[URLS]\r\nURL 1=\r\n",
              ini.bytes());
    EXPECT_EQ(10u, ini.LineCount());
}

TEST(CIniFile, ReadsTrimmedUnquotedAndCutValues) {
    CIniFile ini;
    ini.Assign("[Menu Options]\r\nBlanks=   three   \r\nDouble=\"quoted\"\r\n"
               "Single=' kept inside '\r\nMixed=\"not a pair'\r\nLone=\"\r\n"
               "Long=" +
               std::string(300, 'a') + "\r\n");
    EXPECT_EQ("three", Read(ini, "menu options", "blanks"));
    EXPECT_EQ("quoted", Read(ini, "Menu Options", "Double"));
    EXPECT_EQ(" kept inside ", Read(ini, "Menu Options", "Single"));
    EXPECT_EQ("\"not a pair'", Read(ini, "Menu Options", "Mixed"));
    EXPECT_EQ("\"", Read(ini, "Menu Options", "Lone"));
    EXPECT_EQ(std::string(254, 'a'), Read(ini, "Menu Options", "Long"));
    EXPECT_EQ("", Read(ini, "Menu Options", "Missing"));
    EXPECT_EQ("", Read(ini, "Missing", "Blanks"));
}

TEST(CIniFile, ToleratesHandEditedLayout) {
    CIniFile ini;
    ini.Assign("icount=7\n\n  [ Items ]  \nicount = 2\n  Item 1=a=b\nno equals sign\n"
               "ICOUNT=9\n\n[Items]\nItem 2=second block\n");
    EXPECT_EQ("2", Read(ini, "Items", "icount")); // the first of two lines counts
    EXPECT_EQ("a=b", Read(ini, "Items", "item 1"));
    EXPECT_EQ("", Read(ini, "Items", "Item 2")); // only the first section of a name counts
    Write(ini, "Items", "Icount", "5");
    EXPECT_EQ("5", Read(ini, "Items", "icount"));
    EXPECT_NE(std::string::npos, ini.bytes().find("\r\nICOUNT=9\r\n"));
}

// Reads look first at the line after the last one read; that guess must never win over the
// first line of a key, nor go stale when lines are added.
TEST(CIniFile, ReadsInAnyOrderGiveTheFirstLineOfEachKey) {
    CIniFile ini;
    ini.Assign("[S]\r\na=1\r\nb=2\r\nA=3\r\n\r\nc=4\r\nB=5\r\n[T]\r\nb=6\r\n");
    ini.SetSection("s");
    const auto read = [&ini](const char* key) {
        ini.SetKey(key);
        return ini.Value();
    };
    EXPECT_EQ("1", read("a"));
    EXPECT_EQ("2", read("b"));
    EXPECT_EQ("1", read("a")); // the next line holds "A" too, but not first
    EXPECT_EQ("4", read("c"));
    EXPECT_EQ("2", read("b")); // likewise after "c"
    EXPECT_EQ("4", read("C"));
    EXPECT_EQ("", read("d"));
    Write(ini, "S", "d", "7"); // between "B=5" and the next section
    ini.SetSection("S");
    EXPECT_EQ("2", read("b"));
    EXPECT_EQ("7", read("d"));
    ini.SetSection("T");
    EXPECT_EQ("6", read("b"));
}

TEST(CIniFile, AppendedValuesAreFoundAndReplacedLikeAnyOther) {
    CIniFile ini;
    ini.Assign("[S]\r\nx=0\r\n\r\n");
    ini.SetSection("S");
    for (const char* key : {"a", "b", "c"}) {
        ini.SetKey(key);
        ini.AppendValue(std::string(key) + "1");
    }
    ini.SetKey("B"); // by the key table, not by the line after the last read
    EXPECT_EQ("b1", ini.Value());
    Write(ini, "S", "a", "a2");
    Write(ini, "S", "d", "d1");
    ini.SetKey("c");
    ini.AppendValue("c2"); // a second line of a key: the first still counts
    ini.SetKey("C");
    EXPECT_EQ("c1", ini.Value());
    EXPECT_EQ("[S]\r\nx=0\r\na=a2\r\nb=b1\r\nc=c1\r\nd=d1\r\nc=c2\r\n\r\n", ini.bytes());
}

TEST(CIniFile, WritesNeitherNulsNorLineBreaks) {
    CIniFile ini;
    Write(ini, "A", "k", std::string("a\0b\0\0c", 6));
    Write(ini, "A", "j", "one\r\n[Items]\r\nicount=99");
    EXPECT_EQ("[A]\r\nk=abc\r\nj=one  [Items]  icount=99\r\n", ini.bytes());
}

std::string Upper(std::string name) {
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 32);
        }
    }
    return name;
}

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

TEST(CIniFile, StoresTextsInWindows1252AndCutsByCharacters) {
    CIniFile ini;
    Write(ini, "A", "k", "caf\xC3\xA9 \xE2\x82\xAC \xC2\x81 \xE2\x86\x92");
    EXPECT_EQ("[A]\r\nk=caf\xE9 \x80 \x81 &#8594;\r\n", ini.bytes());
    EXPECT_EQ("caf\xC3\xA9 \xE2\x82\xAC \xC2\x81 \xE2\x86\x92", Read(ini, "A", "k"));
    // A character the code page lacks counts as one, however long its reference.
    for (const std::string letter : {"\xC3\xA9", "\xCE\xB1"}) { // e acute, alpha
        Write(ini, "A", "letters", Repeated(letter, 300));
        EXPECT_EQ(Repeated(letter, 254), Read(ini, "A", "letters")) << letter;
    }
}

// A text as a hand or another program may have left it, read every way CIniFile reads.
struct LayoutCase {
    const char* name;
    std::string text;
    friend void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }
};

class CIniFileReads : public testing::TestWithParam<LayoutCase> {};

// Each read gives what the literal reader gives: for every name the text holds, in either case,
// and some it lacks. The project file's one-pass reader, given the text a line at a time,
// gives the values of the item keys the same way, unless it leaves them to reads by key.
TEST_P(CIniFileReads, AsTheLiteralReaderReads) {
    const std::string& text = GetParam().text;
    CIniFile indexed;
    indexed.Assign(text);
    std::vector<reference::IniName> names = reference::IniNames(text);
    names.push_back({"Items", "Item 9"});
    names.push_back({"No such section", "Item 1"});
    for (const reference::IniName& name : reference::IniNames(text)) {
        names.push_back({Upper(name.section), Upper(name.key)});
    }
    for (const auto& [section, key] : names) {
        EXPECT_EQ(Literal(text, section, key),
                  Read(indexed, DecodeWindows1252(section), DecodeWindows1252(key)))
            << section << "/" << key;
    }

    ProjectLines lines(0);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t next = std::min(text.find('\n', start), text.size() - 1) + 1;
        lines.Take(std::string_view(text).substr(start, next - start));
        start = next;
    }
    EXPECT_EQ(indexed.LineCount(), lines.LineCount());
    const auto items = lines.TakeItems(2);
    if (!items) {
        return;
    }
    for (std::size_t i = 0; i < 2; ++i) {
        const MenuItem& item = (*items)[i];
        const std::string n = std::to_string(i + 1);
        // Below a heading, an item that is not one is indented.
        const bool indented = i == 1 && Literal(text, "ItemColors", "IsHeading 1") == "Yes" &&
                              Literal(text, "ItemColors", "IsHeading 2") != "Yes";
        EXPECT_EQ((indented ? "   " : "") + Literal(text, "Items", "Item " + n), item.text) << n;
        EXPECT_EQ(Literal(text, "URLS", "URL " + n), item.url) << n;
        EXPECT_EQ(Literal(text, "Linked", n), item.linked.view()) << n;
        EXPECT_EQ(Literal(text, "ItemColors", "Backcolor " + n), item.backColor.view()) << n;
        EXPECT_EQ(Literal(text, "ItemColors", "IsHeading " + n), item.isHeading.view()) << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, CIniFileReads,
    testing::Values(
        LayoutCase{"TrimmedQuotedAndCut", "[S]\r\nb=  \t three\t \r\nq=\" a \"\r\nm=\"x'\r\n"
                                          "o=\"\r\nl=" +
                                              std::string(300, 'a') + "\r\n"},
        LayoutCase{"FirstLinesOfKeysAndSections",
                   "k=0\r\n[S]\r\na=1\r\nA=2\r\nb\r\n\r\nB=3\r\n[T]\r\nb=4\r\n[s]\r\nc=5\r\n"},
        LayoutCase{"HeadersAmongOddLines", "\t[ T ] tail\r\n[no header\r\n[a]b]\r\nk = 1=2\r\n"
                                           "=empty key\r\n[]\r\nk=3\r\n [x=y]\r\nk=4\r\n"},
        LayoutCase{"LineEnds", "[S]\rk=1\r\n[T]\nk=2\r\r\nj=3\r4\nlast=5\r"},
        LayoutCase{"References",
                   "[S]\r\nodd=&#65;&#0945;&#x3B1;&#55296;&#1114112;&#128;&#8364;&&#945\r\n"
                   "quoted=\"&#945;\"\r\nlong=" +
                       Repeated("&#945;", 255) + "\r\nedge=" + std::string(253, 'a') +
                       "&#128512;b\r\n"},
        LayoutCase{"HighBytes", "[caf\xE9]\r\nk=\x80\x81\xA0\xFF \r\n\xC9=\x9F\r\n"},
        LayoutCase{"ItemSections", "[Items]\r\nItem 1=a\r\nItem 3=c\r\nItem 2= b \r\n"
                                   "[Linked]\r\n1=Yes\r\nitem 1=No\r\n2=No\r\n[ItemColors]\r\n"
                                   "Backcolor 1=Default\r\nIsHeading 1=No\r\nIsHeading 2=x\r\n"},
        LayoutCase{
            "ItemSectionsInTurn",
            "[Items]\r\nicount=2\r\nItem 1= a \r\nx=1\r\nItem 1=again\r\nItem 2=\"&#945;\"\r\n"
            "[URLS]\r\n URL 1 =u\r\nURL 2='q'\n[Linked]\r\n1=Yes\r\n01=No\r\n2=No\r\n"
            "[ItemColors]\r\nBackcolor 1=\xE9\r\nTextcolor 1=x\r\nIsHeading 1=No\r\n"
            "Backcolor 2=&#945;\r\nTextcolor 2=y\r\nIsHeading 2=Yes\r\n[items]\r\nItem 3=c"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pickwell
