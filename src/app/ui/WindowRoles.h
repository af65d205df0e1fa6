#pragma once

// A window the program builds as its own QWidget subclass reads, for a screen reader,
// as a window (a frame, or a dialog for a dialog-type window) named by its
// title, like the main window and the message boxes, instead of as an anonymous
// filler. Called once before the first window is built; calling it again does
// nothing.
void installWindowRoles();
