#include "sound.h"

#include <QFile>

#include <alsa/asoundlib.h>
#include <sndfile.h>

#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace forms {

namespace {

std::function<void(const QString &)> &soundHook()
{
    static std::function<void(const QString &)> hook;
    return hook;
}

// ALSA reports a missing device on standard error; the programs stay quiet.
void quietAlsa(const char *, int, const char *, int, const char *, ...) {}

using Clock = std::chrono::steady_clock;

int msLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return int(std::max<long long>(0, left));
}

// libsndfile and the codecs it links are loaded at the first sound, not
// at start-up, where no window needs them.
struct SoundFileLibrary {
    decltype(&sf_open) open = nullptr;
    decltype(&sf_close) close = nullptr;
    decltype(&sf_readf_short) readFrames = nullptr;

    static const SoundFileLibrary &get()
    {
        static const SoundFileLibrary library;
        return library;
    }

private:
    SoundFileLibrary()
    {
        void *handle = dlopen("libsndfile.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return;
        open = reinterpret_cast<decltype(open)>(dlsym(handle, "sf_open"));
        close = reinterpret_cast<decltype(close)>(dlsym(handle, "sf_close"));
        readFrames = reinterpret_cast<decltype(readFrames)>(dlsym(handle, "sf_readf_short"));
        if (!open || !close || !readFrames)
            open = nullptr;
    }
};

struct SoundFile {
    SNDFILE *file = nullptr;
    SF_INFO info{};
    explicit SoundFile(const QString &path)
    {
        if (const auto &lib = SoundFileLibrary::get(); lib.open)
            file = lib.open(QFile::encodeName(path).constData(), SFM_READ, &info);
    }
    ~SoundFile()
    {
        if (file)
            SoundFileLibrary::get().close(file);
    }
    sf_count_t readFrames(short *buffer, sf_count_t frames) { return SoundFileLibrary::get().readFrames(file, buffer, frames); }
};

struct Device {
    snd_pcm_t *pcm = nullptr;
    Device()
    {
        snd_lib_error_set_handler(quietAlsa);
        if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
            pcm = nullptr;
    }
    ~Device()
    {
        if (pcm) {
            snd_pcm_drop(pcm);
            snd_pcm_close(pcm);
        }
    }
};

// Writes the frames, waiting for room on the device; false when the device
// fails or the deadline passes.
bool writeAll(snd_pcm_t *pcm, const short *data, sf_count_t frames, int channels, Clock::time_point deadline)
{
    while (frames > 0) {
        if (msLeft(deadline) == 0)
            return false;
        const snd_pcm_sframes_t n = snd_pcm_writei(pcm, data, snd_pcm_uframes_t(frames));
        if (n == -EAGAIN) {
            snd_pcm_wait(pcm, std::min(100, msLeft(deadline)));
            continue;
        }
        if (n < 0) {
            if (snd_pcm_recover(pcm, int(n), 1) < 0)
                return false;
            continue;
        }
        data += n * channels;
        frames -= n;
    }
    return true;
}

} // namespace

namespace {
bool playable(const SF_INFO &info)
{
    return info.channels >= 1 && info.channels <= 8 && info.samplerate >= 1000 && info.samplerate <= 384000
        && info.frames > 0;
}
} // namespace

int soundLengthMs(const QString &path)
{
    SoundFile sound(path);
    if (!sound.file || !playable(sound.info))
        return -1;
    return int(sound.info.frames * 1000 / sound.info.samplerate);
}

void playSound(const QString &path)
{
    if (soundHook()) {
        soundHook()(path);
        return;
    }
    SoundFile sound(path);
    const SF_INFO &info = sound.info;
    if (!sound.file || !playable(info))
        return;
    Device device;
    if (!device.pcm)
        return;
    if (snd_pcm_set_params(device.pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(info.channels),
                           unsigned(info.samplerate), 1, 200000)
        < 0)
        return;

    const auto length = std::chrono::milliseconds(info.frames * 1000 / info.samplerate);
    const Clock::time_point began = Clock::now();
    const Clock::time_point deadline = began + length + std::chrono::seconds(1);
    std::vector<short> buffer(size_t(1024) * size_t(info.channels));
    for (;;) {
        const sf_count_t got = sound.readFrames(buffer.data(), 1024);
        if (got <= 0)
            break;
        if (!writeAll(device.pcm, buffer.data(), got, info.channels, deadline))
            return;
    }
    // Let what is queued play out, within the deadline.
    for (;;) {
        snd_pcm_sframes_t queued = 0;
        if (snd_pcm_state(device.pcm) != SND_PCM_STATE_RUNNING || snd_pcm_delay(device.pcm, &queued) < 0
            || queued <= 0)
            break;
        const int wait = std::min<int>(msLeft(deadline), int(queued * 1000 / info.samplerate) + 1);
        if (wait <= 0)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(wait, 50)));
    }
    // A device that does not pace playback (a null or file device) takes the
    // data at once: the sound still lasts its length.
    std::this_thread::sleep_until(began + length);
}

namespace testing {
void setSoundHook(std::function<void(const QString &)> hook) { soundHook() = std::move(hook); }
} // namespace testing

} // namespace forms
