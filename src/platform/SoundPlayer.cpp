#include "platform/SoundPlayer.h"

#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace quillon {

namespace {

// The audio library is loaded with the first sound, not with the program: it brings some thirty
// libraries of sound servers and codecs along, which a game played in silence never needs.
#define QUILLON_SDL_FUNCTIONS(X)                                                                             \
    X(SetHint)                                                                                               \
    X(InitSubSystem)                                                                                         \
    X(QuitSubSystem)                                                                                         \
    X(OpenAudioDevice)                                                                                       \
    X(CloseAudioDevice)                                                                                      \
    X(PauseAudioDevice)                                                                                      \
    X(LockAudioDevice)                                                                                       \
    X(UnlockAudioDevice)                                                                                     \
    X(RWFromConstMem)                                                                                        \
    X(LoadWAV_RW)                                                                                            \
    X(FreeWAV)                                                                                               \
    X(GetTicks64)                                                                                            \
    X(Delay)

struct Sdl {
#define QUILLON_SDL_DECLARE(name) decltype(&SDL_##name) name = nullptr;
    QUILLON_SDL_FUNCTIONS(QUILLON_SDL_DECLARE)
#undef QUILLON_SDL_DECLARE
};

// The library's functions, or null when it or one of them is missing (the program is then silent).
const Sdl* LoadSdl() {
    static const Sdl* const loaded = [] {
        void* lib = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!lib)
            return static_cast<Sdl*>(nullptr);
        static Sdl sdl;
        bool complete = true;
#define QUILLON_SDL_LOAD(name)                                                                               \
    sdl.name = reinterpret_cast<decltype(sdl.name)>(dlsym(lib, "SDL_" #name));                               \
    complete = complete && sdl.name;
        QUILLON_SDL_FUNCTIONS(QUILLON_SDL_LOAD)
#undef QUILLON_SDL_LOAD
        // The library stays loaded for the rest of the run: its audio thread may outlive a player.
        return complete ? &sdl : nullptr;
    }();
    return loaded;
}

} // namespace

struct SoundPlayer::State {
    const Sdl* sdl = nullptr; // set while audioReady
    bool audioReady = false;
    SDL_AudioDeviceID device = 0;
    SDL_AudioSpec deviceFormat{};
    // Shared with the audio thread; guarded by SDL_LockAudioDevice.
    std::vector<Uint8> samples;
    size_t position = 0;
    bool loop = false;
    bool playing = false;

    static void Fill(void* user, Uint8* stream, int len) {
        auto* st = static_cast<State*>(user);
        Uint8 silence = st->deviceFormat.silence;
        size_t want = static_cast<size_t>(len);
        size_t done = 0;
        while (done < want && st->playing) {
            size_t left = st->samples.size() - st->position;
            if (left == 0) {
                if (st->loop && !st->samples.empty()) {
                    st->position = 0;
                    continue;
                }
                st->playing = false;
                break;
            }
            size_t n = std::min(left, want - done);
            std::memcpy(stream + done, st->samples.data() + st->position, n);
            st->position += n;
            done += n;
        }
        if (done < want)
            std::memset(stream + done, silence, want - done);
    }

    void CloseDevice() {
        if (device)
            sdl->CloseAudioDevice(device);
        device = 0;
        playing = false;
    }

    // Opens a device for the format of `format` unless one is open for it already.
    bool EnsureDevice(const SDL_AudioSpec& format) {
        if (device && deviceFormat.freq == format.freq && deviceFormat.format == format.format &&
            deviceFormat.channels == format.channels)
            return true;
        CloseDevice();
        SDL_AudioSpec want = format;
        want.samples = 1024;
        want.callback = &State::Fill;
        want.userdata = this;
        SDL_AudioSpec have{};
        device = sdl->OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (!device)
            return false;
        deviceFormat = have;
        deviceFormat.callback = &State::Fill;
        return true;
    }

    bool Start(const std::string& wave, bool repeat) {
        if (!audioReady)
            return false;
        SDL_RWops* rw = sdl->RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
        if (!rw)
            return false;
        SDL_AudioSpec format{};
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        if (!sdl->LoadWAV_RW(rw, 1, &format, &buffer, &length))
            return false;
        std::vector<Uint8> data(buffer, buffer + length);
        sdl->FreeWAV(buffer);
        if (device)
            sdl->LockAudioDevice(device);
        playing = false;
        if (device)
            sdl->UnlockAudioDevice(device);
        if (!EnsureDevice(format))
            return false;
        sdl->LockAudioDevice(device);
        samples = std::move(data);
        position = 0;
        loop = repeat;
        playing = !samples.empty();
        sdl->UnlockAudioDevice(device);
        sdl->PauseAudioDevice(device, 0);
        return playing;
    }

    bool Busy() {
        if (!device)
            return false;
        sdl->LockAudioDevice(device);
        bool busy = playing;
        sdl->UnlockAudioDevice(device);
        return busy;
    }
};

SoundPlayer::SoundPlayer() : state_(std::make_unique<State>()) {
    const Sdl* sdl = LoadSdl();
    if (!sdl)
        return;
    // The audio subsystem would otherwise turn the termination signals into events that this
    // program never reads, and a request to end it from outside would be lost.
    sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    state_->audioReady = sdl->InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (state_->audioReady)
        state_->sdl = sdl;
}

SoundPlayer::~SoundPlayer() {
    state_->CloseDevice();
    if (state_->audioReady)
        state_->sdl->QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::Play(const std::string& wave, bool loop) {
    return state_->Start(wave, loop);
}

bool SoundPlayer::PlayWait(const std::string& wave) {
    if (state_->Busy())
        return false;
    if (!state_->Start(wave, false))
        return false;
    // The sound's own length bounds the wait; a stalled device cannot hold the program longer.
    const auto& sp = state_->deviceFormat;
    int bytesPerSecond = sp.freq * sp.channels * static_cast<int>(SDL_AUDIO_BITSIZE(sp.format) / 8);
    Uint64 limit = state_->sdl->GetTicks64() + 1000 +
                   (bytesPerSecond > 0 ? state_->samples.size() * 1000 / bytesPerSecond : 0);
    while (state_->Busy() && state_->sdl->GetTicks64() < limit)
        state_->sdl->Delay(5);
    Stop();
    return true;
}

void SoundPlayer::Stop() {
    if (!state_->device)
        return;
    state_->sdl->LockAudioDevice(state_->device);
    state_->playing = false;
    state_->loop = false;
    state_->sdl->UnlockAudioDevice(state_->device);
}

bool SoundPlayer::IsPlaying() const {
    return state_->Busy();
}

bool SoundPlayer::HasDevice() const {
    return state_->device != 0;
}

} // namespace quillon
