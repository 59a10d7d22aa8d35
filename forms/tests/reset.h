#pragma once
// Putting back the state that the forms layer shares between test cases.

namespace formstest {

// Everything a test case may have changed in the shared state: every test
// hook cleared (sounds, program starts, pauses, the title bar), no scripted
// draw left, every window unloaded and the program not ended, then real time
// and the real clock again.
void resetAll();

// The program alone, within a case that goes on: unloads every window, lets
// their deletes run and clears "program ended"; time and hooks stay as set.
void unloadAll();

} // namespace formstest
