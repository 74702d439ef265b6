#pragma once
// The program's entry sequence: the session's global objects, the splash window, the main window
// with its initialisation and placement, then the message loop.
#include <memory>
#include <string>

class QWidget;

namespace quillon {

class Desktop;
class Session;
class TfrmMain;

// The global objects of the session: the program folder, the data folder (created with its
// parents when missing) and the blank parameter string.
void CreateGlobalObjects(Session& s, const std::string& programFolder);
// The splash window: borderless, on top, 439 x 287, centred, the title picture of the program
// folder's image library and "Freeware version". The caller shows and destroys it. The library
// opened for the title stays open in the session, so the main initialisation does not read it a
// second time; when it cannot be opened the splash shows no picture.
std::unique_ptr<QWidget> MakeSplash(Session& s);
// Creates the main window and runs its initialisation; null (after the fatal message) when the
// program must end.
std::unique_ptr<TfrmMain> CreateMainWindow(Session& s);
// The whole start-up, the message loop and the shutdown; the exit code of the program.
int RunProgram();

} // namespace quillon
