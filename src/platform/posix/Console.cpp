#include "platform/Console.h"

// A program started from a terminal prints to it already.
void attachParentConsole() {}
