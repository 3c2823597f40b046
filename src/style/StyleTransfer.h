#pragma once

#include "model/MenuProject.h"

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
// The style a commit would make of the window as it is now, leaving the project as it is.
MenuStyle WorkingMenuStyle(MenuStyleForm& menu);
ButtonStyle WorkingButtonStyle(ButtonStyleForm& button);
void RevertButtonStyle(ButtonStyleForm& button);

} // namespace pickwell
