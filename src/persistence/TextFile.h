#pragma once

#include "platform/Prompt.h"
#include "text/PageEncoding.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <span>
#include <string>
#include <string_view>

// Every file the program writes (project, code and preview files) goes through here, so a
// failed write never leaves a half-written file where a good one was.
namespace pickwell {

struct WriteResult {
    bool ok = true;
    std::string error; // the platform's description of the failure, e.g. "No space left on device"
};

struct ReadResult {
    bool ok = true;
    std::string bytes;
    std::string error;
};

// The few file-system calls an atomic write makes. Each returns 0 on success or an errno
// value; tests put a double here to make a write fail at any step.
class FileOps {
public:
    virtual ~FileOps() = default;
    // 0 when `path` names no file or one this user may write; a file marked read-only is
    // refused, as its owner meant, although a rename could replace it.
    virtual int MayReplace(const std::string& path) = 0;
    // Creates a new file that must not exist yet; `permissionsOf` names a file whose
    // permission bits the new one takes when it exists.
    virtual int CreateExclusive(const std::string& path, const std::string& permissionsOf,
                                int& handle) = 0;
    // May write fewer bytes than asked; `written` tells how many.
    virtual int Write(int handle, const char* data, std::size_t size, std::size_t& written) = 0;
    virtual int Sync(int handle) = 0;
    virtual int Close(int handle) = 0;
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    virtual int Remove(const std::string& path) = 0;
};

FileOps& SystemFileOps();

// Writes to a temporary file beside the target and renames it over the target only once it
// is complete. On failure the old file is untouched and no temporary file stays behind.
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                                FileOps& ops = SystemFileOps());

// A file's bytes on their way out: what is added to text() is written once it fills a piece,
// so that a large file need not be held whole. After a failed write the rest is dropped.
class PieceWriter {
public:
    static constexpr std::size_t PieceSize = std::size_t{1} << 20;

    // `write` writes all of a piece; it returns 0 or the errno value of the failure.
    explicit PieceWriter(std::function<int(std::string_view piece)> write);

    std::string& text() { return m_text; }
    // Writes what text() holds once it fills a piece.
    void Pass() {
        if (m_text.size() >= PieceSize) {
            Flush();
        }
    }
    // Writes the rest; 0, or the errno value of the first failed write.
    int Finish();

private:
    void Flush();

    std::function<int(std::string_view)> m_write;
    std::string m_text;
    int m_error = 0;
};

// As WriteFileAtomically, for a file that `produce` makes a piece at a time. When `produce`
// throws, the old file stays and the temporary file is closed and removed.
WriteResult WriteFileInPieces(const std::string& path,
                              const std::function<void(PieceWriter&)>& produce,
                              FileOps& ops = SystemFileOps());

// A code or preview page: the text and one CR LF, in the page's encoding.
WriteResult WriteDocumentFile(const std::string& path, std::string_view utf8Text,
                              PageEncoding encoding, FileOps& ops = SystemFileOps());
// As WriteDocumentFile for the text the pieces make one after another.
WriteResult WriteDocumentFile(const std::string& path, std::span<const std::string_view> utf8Pieces,
                              PageEncoding encoding, FileOps& ops = SystemFileOps());
// Hands on a text a piece at a time.
using TextPieces = std::function<void(std::string_view utf8Piece)>;
// As WriteDocumentFile for the text that `produce` hands to its argument, piece after piece.
WriteResult WriteDocumentFile(const std::string& path,
                              const std::function<void(const TextPieces&)>& produce,
                              PageEncoding encoding, FileOps& ops = SystemFileOps());

// The "Error" message box for a file that could not be written; `description` is
// WriteResult::error.
Message SaveErrorMessage(const std::string& description);

// The whole file's bytes; fails for anything that is not a regular file, and for a file
// larger than `maxBytes`.
ReadResult ReadWholeFile(const std::string& path,
                         std::size_t maxBytes = std::numeric_limits<std::size_t>::max());
// As ReadWholeFile, handed over a run of lines at a time as the file is read, so that a large
// file need not be held whole. Each run ends in a line end, except the file's last, which
// holds what follows its last line end.
ReadResult ReadFileInLines(const std::string& path, std::size_t maxBytes,
                           const std::function<void(std::string_view lines)>& take);

} // namespace pickwell
