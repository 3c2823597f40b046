#pragma once

namespace pickwell {

class ButtonStyleForm;
class MainForm;
class MenuStyleForm;

// Gives the project, the main window and both style windows the values of a new project,
// without asking anything, and leaves the project unchanged (DirtyFlag clear).
void ResetProject(MainForm& main, MenuStyleForm& menu, ButtonStyleForm& button);

} // namespace pickwell
