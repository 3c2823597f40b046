#pragma once

#include "platform/RecoveryPlatform.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace pickwell {

// Recovery files in a test's folder. Locks are held in memory: a path in `running` stands for a
// lock file that a live program holds. The timer runs only when the test fires it.
class FakeRecoveryPlatform : public RecoveryPlatform {
public:
    explicit FakeRecoveryPlatform(std::string folder)
        : folder(std::move(folder)) {}

    std::string StateFolder() override { return folder; }
    long ProcessId() override { return processId; }
    std::int64_t Now() override { return now; }
    std::vector<std::string> FileNames(const std::string& in) override {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(in)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }
    std::unique_ptr<FileLock> TryLock(const std::string& path) override {
        if (running.contains(path) || m_held.contains(path)) {
            return nullptr;
        }
        std::ofstream(path, std::ios::app).flush();
        m_held.insert(path);
        return std::make_unique<Lock>(m_held, path);
    }
    void StartTimer(int milliseconds, std::function<void()> task) override {
        EXPECT_FALSE(m_task) << "the timer is started again while it runs";
        delay = milliseconds;
        m_task = std::move(task);
        ++timerStarts;
    }
    void StopTimer() override { m_task = nullptr; }

    bool timerRunning() const { return static_cast<bool>(m_task); }
    // The delay passes.
    void FireTimer() {
        ASSERT_TRUE(m_task) << "no timer runs";
        auto task = std::move(m_task);
        m_task = nullptr;
        task();
    }

    std::string folder; // ends in "/"
    long processId = 4242;
    std::int64_t now = 1'700'000'000;
    std::set<std::string> running;
    int delay = 0;
    int timerStarts = 0;

private:
    class Lock : public FileLock {
    public:
        Lock(std::set<std::string>& held, std::string path)
            : m_held(held)
            , m_path(std::move(path)) {}
        ~Lock() override { m_held.erase(m_path); }

    private:
        std::set<std::string>& m_held;
        std::string m_path;
    };

    std::set<std::string> m_held;
    std::function<void()> m_task;
};

} // namespace pickwell
