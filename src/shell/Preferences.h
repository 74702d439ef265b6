#pragma once
// Loading the preferences of the configuration file into the parameter string and the game state
// at start-up, in their fixed order, with their defaults and normalisation.

#include <string>

namespace quillon {

class Session;

// What the loaded preferences ask of the main window; the window applies them.
struct PreferenceEffects {
    bool toolbarLarge = true;
    // The flat toolbar style is always used on this system; its menu item is disabled.
    bool toolbarFlat = true;
    // 10: the standard arrow; otherwise the number of one of the program's cursors.
    int cursor = 10;
    bool showTime = true;
    bool showScore = true;
    enum class Autoplay { Unchanged, SwitchOn, ApplyGameChoice } autoplay = Autoplay::Unchanged;
    // The current card set is built-in set 4, whose own rule the image loading applies.
    bool cardSet4 = false;
};

// Loads every preference of sections Preference and Settings. `moreThan256Colours` tells the
// display depth: it selects the default card set and the low-colour advice.
PreferenceEffects LoadPreferences(Session& s, bool moreThan256Colours = true);

} // namespace quillon
