#include "model/EventSounds.h"

#include "model/Session.h"
#include "platform/ResourceLibrary.h"
#include "platform/SoundPlayer.h"

namespace quillon {

namespace {

constexpr int kSoundsEnabled = 141;

enum class Way { Once, Wait, Loop };

SoundPlayer& Player(Session& s) {
    if (!s.Sound)
        s.Sound = std::make_unique<SoundPlayer>();
    return *s.Sound;
}

void Play(Session& s, const std::string& name, bool enabled, Way way) {
    if (!enabled || !s.Params.Flag(kSoundsEnabled))
        return;
    std::string wave = s.MainLibrary ? s.MainLibrary->Wave(name) : std::string();
    SoundPlayer& player = Player(s);
    if (wave.empty()) {
        // As with a missing resource on the original platform: whatever plays is stopped.
        if (way != Way::Wait || !player.IsPlaying())
            player.Stop();
        return;
    }
    switch (way) {
    case Way::Once:
        player.Play(wave, false);
        break;
    case Way::Loop:
        player.Play(wave, true);
        break;
    case Way::Wait:
        player.PlayWait(wave);
        break;
    }
}

} // namespace

void PlayEventSound(Session& s, const std::string& name, bool enabled) {
    Play(s, name, enabled, Way::Once);
}

void PlayEventSoundWait(Session& s, const std::string& name, bool enabled) {
    Play(s, name, enabled, Way::Wait);
}

void PlayEventSoundLoop(Session& s, const std::string& name, bool enabled) {
    Play(s, name, enabled, Way::Loop);
}

void StopSounds(Session& s) {
    if (s.Params.Flag(kSoundsEnabled) && s.Sound)
        s.Sound->Stop();
}

} // namespace quillon
