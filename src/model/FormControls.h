#pragma once

#include <functional>
#include <map>
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
    // Listeners beside the view (the session, a preview pane), told after it in the order they
    // came; the number given back takes one away again.
    int AddListener(std::function<void()> callback) {
        m_listeners.emplace(++m_lastListener, std::move(callback));
        return m_lastListener;
    }
    void RemoveListener(int id) { m_listeners.erase(id); }

    const FocusRequest& focus() const { return m_focus; }
    void ClearFocusRequest() { m_focus = {}; }

    // The user's edit the running handlers make, named for the edit history ("Delete",
    // "Menu Name"); empty for a change that is no edit of the document's own.
    const std::string& editName() const { return m_editName; }
    // The edit is a keystroke in a text field: a run of them may count as one edit.
    bool editIsTyping() const { return m_editIsTyping; }
    // True while a handler runs: a change told from inside one is not yet complete.
    bool changing() const { return m_changeDepth > 0; }

protected:
    // Handlers nest; the view hears once, when the outermost one is done.
    class ChangeScope {
    public:
        explicit ChangeScope(FormModel& form)
            : m_form(form) {
            ++m_form.m_changeDepth;
        }
        ~ChangeScope() {
            if (--m_form.m_changeDepth == 0) {
                m_form.NotifyChanged();
                m_form.m_editName.clear();
                m_form.m_editIsTyping = false;
            }
        }
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

    private:
        FormModel& m_form;
    };

    void NotifyChanged() {
        if (m_changed) {
            m_changed();
        }
        // A copy, so that a listener may take itself or another away while it is told.
        const auto listeners = m_listeners;
        for (const auto& [id, listener] : listeners) {
            listener();
        }
    }
    // Names the edit of the outermost handler; the first name wins, so a command that runs
    // others keeps its own. Outside a handler nothing changes, so nothing is named.
    void NameEdit(const char* name, bool typing = false) {
        if (m_changeDepth > 0 && m_editName.empty()) {
            m_editName = name;
            m_editIsTyping = typing;
        }
    }
    void RequestFocus(std::string control, int selectionStart = -1, int selectionLength = 0) {
        m_focus = {std::move(control), selectionStart, selectionLength};
    }

private:
    std::function<void()> m_changed;
    std::map<int, std::function<void()>> m_listeners;
    int m_lastListener = 0;
    FocusRequest m_focus;
    std::string m_editName;
    bool m_editIsTyping = false;
    int m_changeDepth = 0;
};

} // namespace pickwell
