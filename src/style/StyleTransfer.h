#pragma once

#include <string_view>

namespace pickwell {

class ButtonStyleForm;
class MenuStyleForm;

// Copies a style window into the project's committed style: kind "mnu" the menu window,
// "bttn" the button window; any other kind does nothing.
void CommitStyleWindow(std::string_view kind, MenuStyleForm& menu, ButtonStyleForm& button);
// Puts the committed style back into the window, running each control's own handling.
void RevertStyleWindow(std::string_view kind, MenuStyleForm& menu, ButtonStyleForm& button);

void CommitMenuStyle(MenuStyleForm& menu);
void RevertMenuStyle(MenuStyleForm& menu);
void CommitButtonStyle(ButtonStyleForm& button);
void RevertButtonStyle(ButtonStyleForm& button);

} // namespace pickwell
