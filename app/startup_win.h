#pragma once
// The program's start and end.

namespace app {

// Everything of the start before the frame is loaded: the runtime, the
// program objects (skins, hotkey table), the exit routine and GDI+.
void prepareProgram();

// Brings up the runtime and the program objects, loads the frame and runs the
// message loop until the program ends.
int startUp();

// The exit routine: frees the program objects, once, after the windows are gone.
void shutDown();

}  // namespace app
