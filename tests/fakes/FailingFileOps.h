#pragma once

#include "persistence/TextFile.h"

#include <cerrno>
#include <string>

namespace pickwell {

// The real file system, except that one chosen step fails. Writes are cut into small
// pieces, so that "fail at write n" stops a file part-way.
class FailingFileOps : public FileOps {
public:
    enum class Step { None, MayReplace, Create, Write, Sync, Close, Rename };

    struct Fault {
        const char* name;
        Step step;
        int error;
        int onCall;
    };
    // What a save meets in the field, each as the system reports it; the tests run as root,
    // whom the system itself would let write.
    static constexpr Fault Faults[] = {
        {"read-only folder", Step::Create, EACCES, 1},
        {"read-only file system", Step::Create, EROFS, 1},
        {"read-only target", Step::MayReplace, EACCES, 1},
        {"device full part-way", Step::Write, ENOSPC, 10},
        {"device full at sync", Step::Sync, ENOSPC, 1},
        {"quota exceeded at close", Step::Close, EDQUOT, 1},
        {"rename refused", Step::Rename, EBUSY, 1},
    };

    // Starts afresh: the fault's call of its step fails.
    void Arm(const Fault& fault) {
        failAt = fault.step;
        error = fault.error;
        failOnCall = fault.onCall;
        m_calls = 0;
    }

    Step failAt = Step::None;
    int failOnCall = 1; // the how-many-th call of that step fails
    int error = ENOSPC;
    std::size_t pieceSize = 16;
    std::string lastTemporary;

    int MayReplace(const std::string& path) override {
        return Fails(Step::MayReplace) ? error : System().MayReplace(path);
    }
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
