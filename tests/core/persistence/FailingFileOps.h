#pragma once

#include "persistence/TextFile.h"

#include <cerrno>
#include <string>

namespace pickwell {

// The real file system, except that one chosen step fails. Writes are cut into small
// pieces, so that "fail at write n" stops a file part-way.
class FailingFileOps : public FileOps {
public:
    enum class Step { None, Create, Write, Sync, Close, Rename };

    Step failAt = Step::None;
    int failOnCall = 1; // the how-many-th call of that step fails
    int error = ENOSPC;
    std::size_t pieceSize = 16;
    std::string lastTemporary;

    int CreateExclusive(const std::string& path, const std::string& permissionsOf,
                        int& handle) override {
        lastTemporary = path;
        return Fails(Step::Create) ? error : System().CreateExclusive(path, permissionsOf, handle);
    }
    int Write(int handle, const char* data, std::size_t size, std::size_t& written) override {
        written = 0;
        return Fails(Step::Write)
                   ? error
                   : System().Write(handle, data, std::min(size, pieceSize), written);
    }
    int Sync(int handle) override { return Fails(Step::Sync) ? error : System().Sync(handle); }
    int Close(int handle) override {
        const int result = System().Close(handle);
        return Fails(Step::Close) ? error : result;
    }
    int Rename(const std::string& from, const std::string& to) override {
        return Fails(Step::Rename) ? error : System().Rename(from, to);
    }
    int Remove(const std::string& path) override { return System().Remove(path); }

private:
    static FileOps& System() { return SystemFileOps(); }
    bool Fails(Step step) {
        if (step != failAt) {
            return false;
        }
        return ++m_calls == failOnCall;
    }
    int m_calls = 0;
};

} // namespace pickwell
