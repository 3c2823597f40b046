#pragma once

#include "platform/FileDialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace pickwell {

// Answers file dialogs from queues of chosen paths ("" = cancel) and records every request.
// A dialog the test did not queue an answer for is cancelled.
class ScriptedFileDialogs : public FileDialogs {
public:
    std::string ShowSaveDialog(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return Next(saveAnswers);
    }
    std::string ShowOpenDialog(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return Next(openAnswers);
    }

    std::deque<std::string> saveAnswers;
    std::deque<std::string> openAnswers;
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
