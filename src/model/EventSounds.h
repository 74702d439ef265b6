#pragma once
// The event sounds: named wave resources of the main library, each behind its own switch and the
// master switch (position 141 of the parameter string).

#include <string>

namespace quillon {

class Session;

// Plays `name` once, asynchronously, when `enabled` and the master switch is on. A name the
// library lacks stops whatever is playing.
void PlayEventSound(Session& s, const std::string& name, bool enabled);
// The same, but returns when the sound has ended; a sound already playing is left alone and the
// call does nothing.
void PlayEventSoundWait(Session& s, const std::string& name, bool enabled);
// The same as PlayEventSound, repeating until stopped.
void PlayEventSoundLoop(Session& s, const std::string& name, bool enabled);
// Stops any sound, when the master switch is on.
void StopSounds(Session& s);

} // namespace quillon
