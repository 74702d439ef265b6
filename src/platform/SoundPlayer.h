#pragma once
// Wave sounds played from memory on the SDL audio service: asynchronous, looping until stopped,
// or waiting for the end. Without a usable audio device (no sound card, a test machine) every call
// is silent and reports nothing.

#include <cstdint>
#include <memory>
#include <string>

namespace quillon {

class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts `wave` (the bytes of a RIFF wave file), ending any sound that is playing; with `loop`
    // it repeats until Stop. False when nothing plays (bad data or no device).
    bool Play(const std::string& wave, bool loop);
    // Plays `wave` and returns when it has ended. When a sound is playing already, does nothing
    // and returns false at once.
    bool PlayWait(const std::string& wave);
    void Stop();
    bool IsPlaying() const;
    // True once an audio device could be opened for a sound.
    bool HasDevice() const;

    struct State;

private:
    std::unique_ptr<State> state_;
};

} // namespace quillon
