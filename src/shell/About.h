#pragma once
// frmAbout: the program's name and picture, the version line, and its links: the home page on the
// web and the "How to play" page of the help. Opening it plays the sound "About".
#include "support/widgets/C_AdvancedForm.h"

#include <string>

namespace quillon {

class C_TLabel_Link;
class TfrmMain;

// "Version 3.2 - Freeware version"
std::string VersionLine();

class TfrmAbout : public C_TAdvancedForm {
public:
    explicit TfrmAbout(TfrmMain& main);

    C_TLabel_Link* lblHomePage = nullptr;
    C_TLabel_Link* lblHowToPlay = nullptr;
};

// The About command: the window shown modally, with its sound.
void ShowAbout(TfrmMain& main);

} // namespace quillon
