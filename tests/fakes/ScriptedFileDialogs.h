#pragma once

#include "platform/FileDialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace pickwell {

// Answers file dialogs from queues of chosen paths ("" = cancel) and records every request.
// A dialog the test did not queue an answer for is cancelled. A save dialog with a choice of
// types takes its path from the same queue and its type from saveTypes (the first type when
// none is queued); a type the dialog did not offer fails the test.
class ScriptedFileDialogs : public FileDialogs {
public:
    std::string ShowSaveDialog(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return Next(saveAnswers);
    }
    SaveChoice ShowSaveDialogOfType(const FileDialogRequest& request) override {
        SaveChoice choice;
        choice.path = ShowSaveDialog(request);
        if (!saveTypes.empty()) {
            choice.type = saveTypes.front();
            saveTypes.pop_front();
            EXPECT_LE(choice.type, request.moreTypes.size()) << "a type the dialog did not offer";
        }
        return choice;
    }
    std::string ShowOpenDialog(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return Next(openAnswers);
    }

    std::deque<std::string> saveAnswers;
    std::deque<std::string> openAnswers;
    std::deque<std::size_t> saveTypes;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<FileDialogRequest> openRequests;

private:
    static std::string Next(std::deque<std::string>& answers) {
        if (answers.empty()) {
            return {};
        }
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace pickwell
