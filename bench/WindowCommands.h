#pragma once

class QElapsedTimer;

// The benchmark's commands that need windows. They live in a module of their own, loaded only
// by the commands that use it, so that the headless commands start as a program without the
// window system's libraries does.
//
// Runs "start", "picker FILE" or "sheet FILE OUT [--all-entries]" (argv[1] is the command);
// processClock started with the process. Returns the exit status.
using WindowCommand = int (*)(int argc, char* argv[], const QElapsedTimer* processClock);
#define QUARRIMAK_WINDOW_COMMAND_SYMBOL "quarrimakBenchWindowCommand"
