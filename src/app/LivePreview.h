#pragma once

#include "text/PageEncoding.h"

#include <string>

namespace pickwell {

class ButtonStyleForm;
class FontList;
class MainForm;
class MenuStyleForm;

// Whose state a preview pane shows: the project as it stands, or the project as it would stand
// were a style window's working style committed with OK.
enum class PreviewSubject {
    Project,
    MenuStyle,
    ButtonStyle,
};

// One page for a preview pane: the page Save Code to File writes, the menu alone as it will
// stand in the author's page (the browser preview's frame of notes around it would crowd a
// pane).
struct PreviewPage {
    // The page in its own encoding, byte for byte what the saved file would hold.
    std::string bytes;
    PageEncoding encoding = PageEncoding::Windows1252;
    // Where the page's relative links resolve from; ends in "/".
    std::string baseFolder;
    // The first omission the code commands would report; "" when there is none. The page is
    // made all the same, so that the author sees the menu while still filling it in.
    std::string problem;
};

// Makes the pages of the preview panes from the forms of one session. Nothing here asks the
// user anything or changes the project.
class LivePreview {
public:
    // `fallbackFolder` (ending in "/") stands for the project's folder while it has none.
    LivePreview(MainForm& main, MenuStyleForm& menu, ButtonStyleForm& button, FontList& fonts,
                std::string fallbackFolder);

    PreviewPage Page(PreviewSubject subject);

private:
    MainForm& m_main;
    MenuStyleForm& m_menu;
    ButtonStyleForm& m_button;
    FontList& m_fonts;
    std::string m_fallbackFolder;
};

} // namespace pickwell
