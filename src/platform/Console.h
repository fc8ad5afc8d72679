#pragma once

// Lets a program without a console of its own (Quarrimak on Windows is a windowed program)
// print its help, its version and its command-line errors to the console it was started from.
// Output already sent elsewhere, to a pipe or a file, stays there.
void attachParentConsole();
