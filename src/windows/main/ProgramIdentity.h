#pragma once

// How the program names itself to the desktop.
namespace ProgramIdentity {

// Sets the application's name and its desktop file name. It sets no display
// name: the window system would add one to every window title, and the main
// window's title names the program already.
void apply();

} // namespace ProgramIdentity
