#pragma once

namespace pickwell {

class NoticeForm;

// Shows a one-time notice modally. Returns once the notice has closed, by one of its buttons
// (the form's Ok, Yes or No) or any other way (its Close).
class NoticeDialog {
public:
    virtual ~NoticeDialog() = default;
    virtual void ShowModal(NoticeForm& notice) = 0;
};

} // namespace pickwell
