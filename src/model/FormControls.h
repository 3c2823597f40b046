#pragma once

#include <functional>
#include <string>

// Control states that form models hold and views copy into their widgets.
namespace pickwell {

struct TextControl {
    std::string text;
    bool enabled = true;
};

struct CheckControl {
    int value = 0; // 0 unticked, 1 ticked
    bool enabled = true;
};

// A request to put the keyboard focus on a control (by its object name), optionally with a
// range of its text selected.
struct FocusRequest {
    std::string control;
    int selectionStart = -1; // -1: leave the selection as it is
    int selectionLength = 0;

    bool operator==(const FocusRequest&) const = default;
};

// Every form model tells its view when its state changed; the view then copies it in.
class FormModel {
public:
    virtual ~FormModel() = default;
    void SetChangedCallback(std::function<void()> callback) { m_changed = std::move(callback); }

    const FocusRequest& focus() const { return m_focus; }
    void ClearFocusRequest() { m_focus = {}; }

protected:
    void NotifyChanged() {
        if (m_changed) {
            m_changed();
        }
    }
    void RequestFocus(std::string control, int selectionStart = -1, int selectionLength = 0) {
        m_focus = {std::move(control), selectionStart, selectionLength};
    }

private:
    std::function<void()> m_changed;
    FocusRequest m_focus;
};

} // namespace pickwell
