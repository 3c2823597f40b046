#include "persistence/TextFile.h"

#include "persistence/CIniFile.h"
#include "text/Windows1252.h"

#include "FailingFileOps.h"
#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/types.h>

namespace pickwell {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string target = dir.File("page.html");
};

TEST_F(TextFileTest, WritesANewFileAndReplacesAnOldOneWhole) {
    ASSERT_TRUE(WriteFileAtomically(target, "first, longer text").ok);
    ASSERT_TRUE(WriteFileAtomically(target, "second").ok);
    EXPECT_EQ("second", ReadWholeFile(target).bytes);
    EXPECT_EQ(std::vector<std::string>{"page.html"}, dir.Names());
}

TEST_F(TextFileTest, AFailureAtAnyStepLeavesTheOldFileAndNoTemporaryFile) {
    const std::string big(1000, 'x');
    for (auto step :
         {FailingFileOps::Step::Create, FailingFileOps::Step::Write, FailingFileOps::Step::Sync,
          FailingFileOps::Step::Close, FailingFileOps::Step::Rename}) {
        dir.Write("page.html", "old bytes\r\n");
        FailingFileOps failing;
        failing.failAt = step;
        failing.failOnCall = step == FailingFileOps::Step::Write ? 20 : 1; // part-way
        const WriteResult result = WriteFileAtomically(target, big, failing);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ("No space left on device", result.error);
        EXPECT_EQ("old bytes\r\n", ReadWholeFile(target).bytes);
        EXPECT_EQ(std::vector<std::string>{"page.html"}, dir.Names());
    }
}

TEST_F(TextFileTest, AMissingFolderFailsWithThePlatformsDescription) {
    const WriteResult result = WriteFileAtomically(dir.File("no/such/page.html"), "x");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ("No such file or directory", result.error);
}

TEST_F(TextFileTest, KeepsTheOldFilesPermissionsAndWritesThroughALink) {
    dir.Write("page.html", "old");
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("page.html", dir.File("link.html"));

    ASSERT_TRUE(WriteFileAtomically(dir.File("link.html"), "new").ok);
    EXPECT_TRUE(fs::is_symlink(dir.File("link.html")));
    EXPECT_EQ("new", ReadWholeFile(target).bytes);
    EXPECT_EQ(fs::perms(0640), fs::status(target).permissions() & fs::perms::mask);
}

TEST_F(TextFileTest, DocumentsAreWindows1252WithReferencesAndOneLineEnd) {
    // e acute fits the code page; the arrow does not.
    ASSERT_TRUE(
        WriteDocumentFile(target, "caf\xC3\xA9 \xE2\x86\x92", PageEncoding::Windows1252).ok);
    EXPECT_EQ("caf\xE9 &#8594;\r\n", ReadWholeFile(target).bytes);
}

// Large files go out a piece (1 MiB) at a time: no byte is lost or doubled where pieces meet,
// and no character is split there.
TEST_F(TextFileTest, LargeFilesComeOutWholeFromTheirPieces) {
    std::string page(std::size_t{1} << 20, 'a');
    page.replace(page.size() - 1, 1, "\xC3\xA9\xE2\x86\x92"); // across the first boundary
    page += std::string(3u << 20, 'b') + "\xE2\x82\xAC";
    ASSERT_TRUE(WriteDocumentFile(target, page, PageEncoding::Windows1252).ok);
    EXPECT_EQ(EncodeWindows1252(page, Unmappable::CharacterReference) + "\r\n",
              ReadWholeFile(target).bytes);

    // Many pieces long when it is read.
    std::string big(9u << 20, 'x');
    for (std::size_t at = 0; at < big.size(); at += 4093) {
        big[at] = static_cast<char>('a' + at % 26);
    }
    dir.Write("big.txt", big);
    EXPECT_EQ(big, ReadWholeFile(dir.File("big.txt")).bytes);

    CIniFile ini;
    ini.Assign("[S]\n");
    ini.SetSection("S");
    for (int i = 0; i < 100000; ++i) {
        ini.SetKey("key " + std::to_string(i));
        ini.AppendValue(std::string(i % 50, 'v'));
    }
    ini.SetPath(dir.File("big.pkw"));
    ASSERT_TRUE(ini.Save().ok);
    EXPECT_EQ(ini.bytes(), ReadWholeFile(dir.File("big.pkw")).bytes);

    // Read a run of whole lines at a time; a last line without its end comes last.
    dir.Write("lines.txt", ini.bytes() + big);
    std::string runs;
    ASSERT_TRUE(ReadFileInLines(dir.File("lines.txt"), big.size() * 2, [&](std::string_view run) {
                    EXPECT_TRUE(runs.empty() || runs.back() == '\n');
                    EXPECT_FALSE(run.empty());
                    runs += run;
                }).ok);
    EXPECT_EQ(ini.bytes() + big, runs);
}

// A failed piece stops the rest and the file.
TEST_F(TextFileTest, AFailedPieceOfALargeFileLeavesTheOldFile) {
    dir.Write("page.html", "old bytes\r\n");
    FailingFileOps failing;
    failing.pieceSize = std::size_t{1} << 16;
    failing.failAt = FailingFileOps::Step::Write;
    failing.failOnCall = 20; // in the second piece
    const WriteResult result = WriteDocumentFile(
        target,
        [](const TextPieces& out) {
            const std::string block(1000, 'x');
            for (int i = 0; i < 3000; ++i) {
                out(block);
            }
        },
        PageEncoding::Windows1252, failing);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ("No space left on device", result.error);
    EXPECT_EQ("old bytes\r\n", ReadWholeFile(target).bytes);
    EXPECT_EQ(std::vector<std::string>{"page.html"}, dir.Names());
}

// A maker that throws leaves the old file, and neither its temporary file nor its descriptor.
TEST_F(TextFileTest, AThrowingMakerCleansUpAfterItself) {
    dir.Write("page.html", "old bytes\r\n");
    const auto openDescriptors = [] {
        const fs::directory_iterator fds("/proc/self/fd");
        return std::distance(begin(fds), end(fds));
    };
    const auto before = openDescriptors();
    const auto twoPiecesThenThrow = [](const TextPieces& out) {
        out(std::string(PieceWriter::PieceSize * 2, 'x'));
        throw std::runtime_error("no more");
    };
    EXPECT_THROW(WriteDocumentFile(target, twoPiecesThenThrow, PageEncoding::Windows1252),
                 std::runtime_error);
    EXPECT_EQ(before, openDescriptors());
    EXPECT_EQ("old bytes\r\n", ReadWholeFile(target).bytes);
    EXPECT_EQ(std::vector<std::string>{"page.html"}, dir.Names());
}

TEST_F(TextFileTest, ReadingRefusesWhatIsNotARegularFile) {
    EXPECT_FALSE(ReadWholeFile(dir.path()).ok);
    EXPECT_FALSE(ReadWholeFile(dir.File("missing")).ok);
    dir.Write("big", "12345");
    EXPECT_EQ("File too large", ReadWholeFile(dir.File("big"), 4).error);
    EXPECT_TRUE(ReadWholeFile(dir.File("big"), 5).ok);
    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    const ReadResult read = ReadWholeFile(fifo); // must not block
    EXPECT_FALSE(read.ok);
    EXPECT_FALSE(read.error.empty());
}

TEST(SaveErrorMessage, QuotesThePlatformsDescription) {
    const Message message = SaveErrorMessage("Disk full");
    EXPECT_EQ("Error", message.title);
    EXPECT_EQ("Pickwell could not perform this operation due to the following error:\r\n\r\n"
              "\"Disk full\"",
              message.text);
    EXPECT_EQ(MessageIcon::Critical, message.icon);
    EXPECT_EQ(MessageButtons::Ok, message.buttons);
}

} // namespace
} // namespace pickwell
