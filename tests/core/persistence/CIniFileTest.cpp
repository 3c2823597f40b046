#include "persistence/CIniFile.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

std::string Read(const CIniFile& ini, const std::string& section, const std::string& key) {
    CIniFile copy = ini;
    copy.SetSection(section);
    copy.SetKey(key);
    return copy.Value();
}

void Write(CIniFile& ini, const std::string& section, const std::string& key,
           const std::string& value) {
    ini.SetSection(section);
    ini.SetKey(key);
    ini.SetValue(value);
}

TEST(CIniFile, WritesSectionsInOrderOfFirstWriteBelowTheHeader) {
    CIniFile ini;
    ini.Assign("Header line\r\n");
    Write(ini, "Items", "icount", "2");
    Write(ini, "URLS", "URL 1", "");
    Write(ini, "Items", "Item 1", "  spaced  ");
    Write(ini, "items", "ICOUNT", "3"); // replaced in place, whatever the case
    EXPECT_EQ("Header line\r\n"
              "[Items]\r\nicount=3\r\nItem 1=  spaced  \r\n"
              "[URLS]\r\nURL 1=\r\n",
              ini.bytes());
    EXPECT_EQ(6u, ini.LineCount());
}

TEST(CIniFile, ReadsTrimmedUnquotedAndCutValues) {
    CIniFile ini;
    ini.Assign("[Menu Options]\r\n"
               "Blanks=   three   \r\n"
               "Double=\"quoted\"\r\n"
               "Single=' kept inside '\r\n"
               "Mixed=\"not a pair'\r\n"
               "Lone=\"\r\n"
               "Long=" +
               std::string(300, 'a') + "\r\n");
    EXPECT_EQ("three", Read(ini, "menu options", "blanks"));
    EXPECT_EQ("quoted", Read(ini, "Menu Options", "Double"));
    EXPECT_EQ(" kept inside ", Read(ini, "Menu Options", "Single"));
    EXPECT_EQ("\"not a pair'", Read(ini, "Menu Options", "Mixed"));
    EXPECT_EQ("\"", Read(ini, "Menu Options", "Lone"));
    EXPECT_EQ(std::string(254, 'a'), Read(ini, "Menu Options", "Long"));
}

TEST(CIniFile, MissingSectionsAndKeysReadAsTheDefault) {
    CIniFile ini;
    ini.Assign("Key=outside any section\r\n[A]\r\nKey=a\r\n");
    EXPECT_EQ("", Read(ini, "B", "Key"));
    EXPECT_EQ("", Read(ini, "A", "Other"));
    ini.SetDefault("fallback");
    ini.SetSection("B");
    ini.SetKey("Key");
    EXPECT_EQ("fallback", ini.Value());
}

TEST(CIniFile, ToleratesHandEditedLayout) {
    CIniFile ini;
    ini.Assign("Header\n\n  [ Items ]  \nicount = 2\n  Item 1=a=b\nno equals sign\n"
               "icount=9\n\n[Items]\nItem 2=second block\n");
    EXPECT_EQ("2", Read(ini, "Items", "icount")); // the first of two lines counts
    EXPECT_EQ("a=b", Read(ini, "Items", "item 1"));
    EXPECT_EQ("", Read(ini, "Items", "Item 2")); // only the first section of a name counts
}

TEST(CIniFile, AddsKeysAfterTheLastValueLineAndKeepsBlankLines) {
    CIniFile ini;
    ini.Assign("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    Write(ini, "A", "z", "3");
    Write(ini, "B", "y", "two");
    Write(ini, "C", "w", "4");
    EXPECT_EQ("[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=two\r\n[C]\r\nw=4\r\n", ini.bytes());
}

TEST(CIniFile, WritesNeitherNulsNorLineBreaks) {
    CIniFile ini;
    Write(ini, "A", "k", std::string("a\0b\0\0c", 6));
    Write(ini, "A", "j", "one\r\n[Items]\r\nicount=99");
    EXPECT_EQ("abc", Read(ini, "A", "k"));
    EXPECT_EQ("[A]\r\nk=abc\r\nj=one  [Items]  icount=99\r\n", ini.bytes());
}

TEST(CIniFile, StoresTextsInWindows1252) {
    CIniFile ini;
    Write(ini, "A", "k", "caf\xC3\xA9 \xE2\x82\xAC \xC2\x81 \xE2\x86\x92");
    EXPECT_EQ("[A]\r\nk=caf\xE9 \x80 \x81 ?\r\n", ini.bytes());
    EXPECT_EQ("caf\xC3\xA9 \xE2\x82\xAC \xC2\x81 ?", Read(ini, "A", "k"));
    // 254 characters, not 254 bytes of UTF-8.
    Write(ini, "A", "accents", [] {
        std::string s;
        for (int i = 0; i < 300; ++i) {
            s += "\xC3\xA9";
        }
        return s;
    }());
    EXPECT_EQ(254u * 2, Read(ini, "A", "accents").size());
}

} // namespace
} // namespace pickwell
