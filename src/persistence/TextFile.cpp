#include "persistence/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace pickwell {

namespace {

std::string Describe(int error) {
    return std::generic_category().message(error);
}

WriteResult Failed(int error) {
    return {false, Describe(error)};
}

class PosixFileOps : public FileOps {
public:
    int MayReplace(const std::string& path) override {
        return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT
                   ? 0
                   : errno;
    }

    int CreateExclusive(const std::string& path, const std::string& permissionsOf,
                        int& handle) override {
        handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (handle < 0) {
            return errno;
        }
        struct stat old {};
        if (::stat(permissionsOf.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
            ::fchmod(handle, old.st_mode & 07777);
        }
        return 0;
    }

    int Write(int handle, const char* data, std::size_t size, std::size_t& written) override {
        written = 0;
        ssize_t n;
        do {
            n = ::write(handle, data, size);
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            return errno;
        }
        written = static_cast<std::size_t>(n);
        // The disk starts on what is written while the rest is being made, so that the sync
        // before the rename has less to wait for. Only a hint: its failure changes nothing.
        ::sync_file_range(handle, 0, 0, SYNC_FILE_RANGE_WRITE);
        return 0;
    }

    int Sync(int handle) override { return ::fsync(handle) == 0 ? 0 : errno; }

    int Close(int handle) override { return ::close(handle) == 0 ? 0 : errno; }

    int Rename(const std::string& from, const std::string& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0) {
            return errno;
        }
        SyncFolderOf(to);
        return 0;
    }

    int Remove(const std::string& path) override { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

private:
    // Makes the rename itself durable; a folder that cannot be synced changes nothing.
    static void SyncFolderOf(const std::string& path) {
        const std::string folder = std::filesystem::path(path).parent_path().string();
        const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
};

// A symbolic link keeps pointing at the file it named: the new file replaces the link's target.
std::string FinalTarget(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        const auto target = std::filesystem::weakly_canonical(path, ec);
        if (!ec) {
            return target.string();
        }
    }
    return path;
}

std::string TemporaryNameFor(const std::string& target, unsigned attempt) {
    static unsigned counter = 0;
    const std::filesystem::path p(target);
    // Short enough that the temporary name stays within the file system's name limit.
    const std::string base = p.filename().string().substr(0, 160);
    const std::string name = "." + base + ".tmp" + std::to_string(::getpid()) + "-" +
                             std::to_string(counter++) + "-" + std::to_string(attempt);
    return (p.parent_path() / name).string();
}

} // namespace

FileOps& SystemFileOps() {
    static PosixFileOps ops;
    return ops;
}

namespace {

// All of `bytes`, however few a single write takes.
int WriteAll(FileOps& ops, int handle, std::string_view bytes) {
    while (!bytes.empty()) {
        std::size_t written = 0;
        if (const int error = ops.Write(handle, bytes.data(), bytes.size(), written); error != 0) {
            return error;
        }
        if (written == 0) {
            return EIO;
        }
        bytes.remove_prefix(written);
    }
    return 0;
}

// The temporary file a write goes to beside its target: closed, and removed again, unless it
// took the target's place. An exception on the way cleans up as a failure does.
class TemporaryFile {
public:
    explicit TemporaryFile(FileOps& ops)
        : m_ops(ops) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        Close();
        if (!m_path.empty()) {
            m_ops.Remove(m_path);
        }
    }

    // A new file under a name no other file has.
    int Create(const std::string& target) {
        int error = EEXIST;
        for (unsigned attempt = 0; error == EEXIST && attempt < 100; ++attempt) {
            const std::string path = TemporaryNameFor(target, attempt);
            error = m_ops.CreateExclusive(path, target, m_handle);
            if (error == 0) {
                m_path = path;
            }
        }
        return error;
    }
    int handle() const { return m_handle; }
    // Closes the file once; a later call does nothing.
    int Close() {
        if (m_handle < 0) {
            return 0;
        }
        const int error = m_ops.Close(m_handle);
        m_handle = -1;
        return error;
    }
    // Puts the file in the target's place; afterwards there is nothing to remove.
    int RenameTo(const std::string& target) {
        const int error = m_ops.Rename(m_path, target);
        if (error == 0) {
            m_path.clear();
        }
        return error;
    }

private:
    FileOps& m_ops;
    std::string m_path; // empty while there is no file to remove
    int m_handle = -1;
};

// The file's content comes from `produce`, which hands it to the writer it is given and
// returns the first error that writer reported.
template <typename Produce>
WriteResult WriteAtomically(const std::string& path, FileOps& ops, Produce produce) {
    const std::string target = FinalTarget(path);
    if (const int refused = ops.MayReplace(target); refused != 0) {
        return Failed(refused);
    }
    TemporaryFile temporary(ops);
    if (const int error = temporary.Create(target); error != 0) {
        return Failed(error);
    }
    int error =
        produce([&](std::string_view piece) { return WriteAll(ops, temporary.handle(), piece); });
    if (error == 0) {
        error = ops.Sync(temporary.handle());
    }
    const int closeError = temporary.Close();
    if (error == 0) {
        error = closeError;
    }
    if (error == 0) {
        error = temporary.RenameTo(target);
    }
    return error == 0 ? WriteResult{} : Failed(error);
}

} // namespace

PieceWriter::PieceWriter(std::function<int(std::string_view)> write)
    : m_write(std::move(write)) {
    m_text.reserve(PieceSize + 4096);
}

void PieceWriter::Flush() {
    if (m_error == 0) {
        m_error = m_write(m_text);
    }
    m_text.clear();
}

int PieceWriter::Finish() {
    Flush();
    return m_error;
}

WriteResult WriteFileInPieces(const std::string& path,
                              const std::function<void(PieceWriter&)>& produce, FileOps& ops) {
    return WriteAtomically(path, ops, [&produce](const auto& write) {
        PieceWriter writer(write);
        produce(writer);
        return writer.Finish();
    });
}

WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes, FileOps& ops) {
    return WriteAtomically(path, ops, [bytes](auto write) { return write(bytes); });
}

WriteResult WriteDocumentFile(const std::string& path, std::string_view utf8Text,
                              PageEncoding encoding, FileOps& ops) {
    const std::string_view whole[] = {utf8Text};
    return WriteDocumentFile(path, whole, encoding, ops);
}

WriteResult WriteDocumentFile(const std::string& path, std::span<const std::string_view> utf8Pieces,
                              PageEncoding encoding, FileOps& ops) {
    return WriteDocumentFile(
        path,
        [utf8Pieces](const TextPieces& out) {
            for (const std::string_view text : utf8Pieces) {
                out(text);
            }
        },
        encoding, ops);
}

WriteResult WriteDocumentFile(const std::string& path,
                              const std::function<void(const TextPieces&)>& produce,
                              PageEncoding encoding, FileOps& ops) {
    // Encoded a piece at a time, so that a large page is not held twice; a piece of text ends
    // before a character's first byte, so no character is split.
    return WriteFileInPieces(
        path,
        [&produce, encoding](PieceWriter& out) {
            produce([&out, encoding](std::string_view text) {
                while (!text.empty()) {
                    std::size_t end = std::min(text.size(), PieceWriter::PieceSize);
                    while (end < text.size() &&
                           (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
                        ++end;
                    }
                    AppendPageText(out.text(), text.substr(0, end), encoding);
                    text.remove_prefix(end);
                    out.Pass();
                }
            });
            out.text() += "\r\n";
        },
        ops);
}

Message SaveErrorMessage(const std::string& description) {
    Message message;
    message.title = "Error";
    message.text =
        "Pickwell could not perform this operation due to the following error:\r\n\r\n\"" +
        description + "\"";
    message.icon = MessageIcon::Critical;
    return message;
}

ReadResult ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    std::string bytes;
    ReadResult result =
        ReadFileInLines(path, maxBytes, [&bytes](std::string_view lines) { bytes += lines; });
    if (result.ok) {
        result.bytes = std::move(bytes);
    }
    return result;
}

namespace {

// A file opened for reading, closed again however the reading ends.
class OpenFile {
public:
    explicit OpenFile(const std::string& path)
        // Non-blocking, so that naming a pipe cannot hang the program before it is refused.
        : m_fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int fd() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

ReadResult ReadFileInLines(const std::string& path, std::size_t maxBytes,
                           const std::function<void(std::string_view lines)>& take) {
    const OpenFile file(path);
    if (file.fd() < 0) {
        return {false, {}, Describe(errno)};
    }
    struct stat info {};
    if (::fstat(file.fd(), &info) != 0) {
        return {false, {}, Describe(errno)};
    }
    if (!S_ISREG(info.st_mode)) {
        return {false, {}, S_ISDIR(info.st_mode) ? Describe(EISDIR) : "Not a regular file"};
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        return {false, {}, Describe(EFBIG)};
    }
    // Small enough to stay in the cache while its lines are taken; it grows for a longer line.
    std::string piece(std::size_t{256} << 10, '\0');
    std::size_t held = 0; // the bytes at the front of a line whose end has not come yet
    std::size_t size = 0;
    for (;;) {
        if (held == piece.size()) {
            piece.resize(2 * piece.size());
        }
        const ssize_t n = ::read(file.fd(), piece.data() + held, piece.size() - held);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return {false, {}, Describe(errno)};
        }
        if (n == 0) {
            break;
        }
        size += static_cast<std::size_t>(n);
        if (size > maxBytes) { // it grew while being read
            return {false, {}, Describe(EFBIG)};
        }
        const std::string_view read(piece.data() + held, static_cast<std::size_t>(n));
        const std::size_t lastEnd = read.rfind('\n');
        if (lastEnd == std::string_view::npos) {
            held += read.size();
            continue;
        }
        const std::size_t whole = held + lastEnd + 1;
        take(std::string_view(piece.data(), whole));
        held = held + read.size() - whole;
        std::memmove(piece.data(), piece.data() + whole, held);
    }
    if (held > 0) {
        take(std::string_view(piece.data(), held));
    }
    return {};
}

} // namespace pickwell
