#pragma once

#include "model/FormControls.h"

#include <functional>
#include <string>
#include <vector>

namespace pickwell {

class SettingsStore;

// The tip window frmTip while it is open: one random tip of the tips file, "Next Tip", and
// the "Show Tips at Startup" box that is saved the moment it is clicked.
class TipForm : public FormModel {
public:
    static constexpr const char* Caption = "Pickwell Tip of the Day";
    static constexpr const char* SettingsSection = "Options";
    static constexpr const char* SettingKey = "Show Tips at Startup";

    // `showAtStartup` is the run's copy of the setting, which the box keeps in step; `random`
    // gives numbers in [0, 1).
    TipForm(SettingsStore& settings, int& showAtStartup, std::function<double()> random);

    // Opening: the box from the run's setting, then the tips of the file at `tipsPath`, or the
    // text that says how to make one.
    void Open(const std::string& tipsPath);
    // False when there is no such file; the list is then empty.
    bool LoadTips(const std::string& path);
    void ShowRandomTip();
    void DisplayCurrentTip();

    const std::vector<std::string>& tips() const { return m_tips; }
    int currentTip() const { return m_current; } // 1-based; 0 before any tip
    const std::string& lblTipText() const { return m_text; }
    const CheckControl& chkLoadTipsAtStartup() const { return m_showAtStartupBox; }

    void SetShowAtStartup(int value);
    void NextTip() { ShowRandomTip(); }
    void Ok();
    bool closed() const { return m_closed; }

    // The text shown when there is no tips file.
    static std::string MissingFileText();

private:
    SettingsStore& m_settings;
    int& m_showAtStartup;
    std::function<double()> m_random;
    std::vector<std::string> m_tips;
    int m_current = 0;
    std::string m_text;
    CheckControl m_showAtStartupBox;
    bool m_closed = false;
};

} // namespace pickwell
