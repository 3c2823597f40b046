#include "app/PreviewFolder.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace pickwell {
namespace {

// The system's file operations, except that each new file is made private to this user.
class PrivateFileOps : public FileOps {
public:
    int MayReplace(const std::string& path) override { return m_system.MayReplace(path); }
    int CreateExclusive(const std::string& path, const std::string& permissionsOf,
                        int& handle) override {
        const int error = m_system.CreateExclusive(path, permissionsOf, handle);
        if (error != 0) {
            return error;
        }
        // Safe by path: nobody else can reach into the folder the file was made in.
        if (::chmod(path.c_str(), S_IRUSR | S_IWUSR) != 0) {
            const int chmodError = errno;
            m_system.Close(handle);
            m_system.Remove(path);
            return chmodError;
        }
        return 0;
    }
    int Write(int handle, const char* data, std::size_t size, std::size_t& written) override {
        return m_system.Write(handle, data, size, written);
    }
    int Sync(int handle) override { return m_system.Sync(handle); }
    int Close(int handle) override { return m_system.Close(handle); }
    int Rename(const std::string& from, const std::string& to) override {
        return m_system.Rename(from, to);
    }
    int Remove(const std::string& path) override { return m_system.Remove(path); }

private:
    FileOps& m_system = SystemFileOps();
};

bool IsOwnPrivateFolder(std::string path) {
    // With its trailing "/" the path would name what a link there points to, not the link.
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

} // namespace

WriteResult WritePreviewPages(const std::string& folder, const MenuCode& code, FileOps& ops) {
    if (!code.framesetPage.empty()) {
        if (WriteResult r = WriteDocumentFile(folder + SecondFramePageName, code.secondFramePage,
                                              code.encoding, ops);
            !r.ok) {
            return r;
        }
        if (WriteResult r =
                WriteDocumentFile(folder + FramesetPageName, code.framesetPage, code.encoding, ops);
            !r.ok) {
            return r;
        }
    }
    return WriteDocumentFile(folder + PreviewPageName, code.DocumentPieces(), code.encoding, ops);
}

PreviewFolder::Result PreviewFolder::Write(const MenuCode& code) {
    Result result;
    result.write = EnsureFolder();
    if (!result.write.ok) {
        return result;
    }
    PrivateFileOps ops;
    result.write = WritePreviewPages(m_path, code, ops);
    if (result.write.ok) {
        result.pageToOpen =
            m_path + (code.framesetPage.empty() ? PreviewPageName : FramesetPageName);
    }
    return result;
}

WriteResult PreviewFolder::EnsureFolder() {
    // A folder that went away meanwhile (a temp cleaner) is made anew.
    if (!m_path.empty() && IsOwnPrivateFolder(m_path)) {
        return {};
    }
    std::string pattern = WithTrailingSlash(m_temp.GetTempFolder()) + "pickwell-preview-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) {
        return {false, std::generic_category().message(errno)};
    }
    m_path = WithTrailingSlash(name.data());
    return {};
}

void PreviewFolder::CleanUp() {
    // Whatever now stands where the folder was (a temp cleaner removed it) is not ours to empty.
    if (m_path.empty() || !IsOwnPrivateFolder(m_path)) {
        m_path.clear();
        return;
    }
    for (const char* page : {PreviewPageName, FramesetPageName, SecondFramePageName}) {
        ::unlink((m_path + page).c_str());
    }
    ::rmdir(m_path.c_str());
    m_path.clear();
}

} // namespace pickwell
