#pragma once

// Makes assistive technology see the program's windows for what they are: the main window and
// the wizard steps as frames, every other window as a modal dialog, and each status bar as a
// status bar. Installing it more than once changes nothing.
void installWindowAccessibility();
