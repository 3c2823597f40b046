#pragma once

#include "platform/NoticeDialog.h"

namespace pickwell {

// Shows a notice as a modal NoticeWindow over the window it belongs to.
class QtNoticeDialog : public NoticeDialog {
public:
    void ShowModal(NoticeForm& notice) override;
};

} // namespace pickwell
