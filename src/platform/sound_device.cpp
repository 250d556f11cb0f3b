#include "platform/sound_device.h"

#include "platform/sound_mixer.h"

#include <SDL.h>

namespace {
SDL_AudioDeviceID device = 0;
// Small enough that an effect sounds within about 23 ms of its event.
constexpr int bufferFrames = 1024;

void pullFrames(void* user, Uint8* stream, int bytes) {
    static_cast<SoundMixer*>(user)->render(reinterpret_cast<int16_t*>(stream),
                                           bytes / (int)(2 * sizeof(int16_t)));
}
} // namespace

bool openSoundDevice(SoundMixer& mixer, int rate) {
    closeSoundDevice();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = bufferFrames;
    wanted.callback = pullFrames;
    wanted.userdata = &mixer;
    // No changes allowed: SDL converts to whatever the hardware wants.
    SDL_AudioSpec obtained{};
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(device, 0);
    return true;
}

void closeSoundDevice() {
    if (device == 0) return;
    SDL_CloseAudioDevice(device); // waits for the callback to finish
    device = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
