#include "platform/qt/sound.h"

#include <SDL.h>

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/core/files.h"

namespace orbello::platform {
namespace {

// The device format every sound is converted to.
constexpr int kFrequency = 44100;
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr Uint8 kChannels = 2;
constexpr Uint16 kBufferFrames = 1024;

// A waiting play gives the device this much time beyond the sound's length before it gives up.
constexpr std::chrono::milliseconds kWaitMargin{1000};
// A broken WAVE header could claim hours; nobody waits for more than this.
constexpr std::chrono::milliseconds kWaitCeiling{15000};

// The game's sounds are effects of a second or two. 64 MiB is over six minutes of CD-quality
// audio, far beyond any of them, and keeps /dev/zero or a runaway file from taking the memory.
constexpr std::size_t kMaxWaveFileBytes = std::size_t{64} << 20;
// The device-format copy of a sound: room for a 64 MiB file at up to four times its size, not
// for a long low-rate sound blown up many times over.
constexpr std::size_t kMaxDeviceBytes = std::size_t{256} << 20;

class SoundChannel {
 public:
  ~SoundChannel() { Close(); }

  // Converts `wave` to the device format and replaces whatever is queued. With `only_if_idle` the
  // sound is queued only when the queue is empty. Returns the length of the queued sound, or a
  // negative value when nothing was queued.
  std::chrono::milliseconds Play(const void* data, std::size_t size, bool only_if_idle) {
    std::lock_guard<std::mutex> guard(mutex_);
    if (!EnsureOpen())
      return std::chrono::milliseconds(-1);
    if (only_if_idle && SDL_GetQueuedAudioSize(device_) > 0)
      return std::chrono::milliseconds(-1);
    if (!only_if_idle)
      SDL_ClearQueuedAudio(device_);
    std::vector<Uint8> pcm;
    if (data == nullptr || size == 0 || !Convert(data, size, pcm)) {
      return std::chrono::milliseconds(-1);
    }
    SDL_LockAudioDevice(device_);
    SDL_ClearQueuedAudio(device_);
    SDL_QueueAudio(device_, pcm.data(), static_cast<Uint32>(pcm.size()));
    // One buffer of silence pushes the last samples of the sound through the device.
    std::vector<Uint8> silence(static_cast<std::size_t>(have_.size), have_.silence);
    SDL_QueueAudio(device_, silence.data(), static_cast<Uint32>(silence.size()));
    SDL_UnlockAudioDevice(device_);
    return BytesToDuration(pcm.size() + silence.size());
  }

  bool IsPlaying() {
    std::lock_guard<std::mutex> guard(mutex_);
    return device_ != 0 && SDL_GetQueuedAudioSize(device_) > 0;
  }

  void Stop() {
    std::lock_guard<std::mutex> guard(mutex_);
    if (device_ != 0)
      SDL_ClearQueuedAudio(device_);
  }

  void Close() {
    std::lock_guard<std::mutex> guard(mutex_);
    if (device_ != 0) {
      SDL_CloseAudioDevice(device_);
      device_ = 0;
    }
    if (subsystem_started_) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      subsystem_started_ = false;
    }
    failed_ = false;
  }

  std::string DriverName() {
    std::lock_guard<std::mutex> guard(mutex_);
    if (!EnsureOpen())
      return {};
    const char* name = SDL_GetCurrentAudioDriver();
    return name != nullptr ? name : "";
  }

 private:
  bool EnsureOpen() {
    if (device_ != 0)
      return true;
    if (failed_)
      return false;
    // SDL would otherwise install its own SIGINT/SIGTERM handlers and swallow them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (OpenWithCurrentDriver())
      return true;
    // No sound server or card: the dummy driver keeps the timing of the rules without output.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    if (OpenWithCurrentDriver())
      return true;
    failed_ = true;
    return false;
  }

  bool OpenWithCurrentDriver() {
    if (subsystem_started_) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      subsystem_started_ = false;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
      return false;
    subsystem_started_ = true;
    SDL_AudioSpec want{};
    want.freq = kFrequency;
    want.format = kFormat;
    want.channels = kChannels;
    want.samples = kBufferFrames;
    want.callback = nullptr;  // queue mode
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have_, 0);
    if (device_ == 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      subsystem_started_ = false;
      return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
  }

  bool Convert(const void* data, std::size_t size, std::vector<Uint8>& out) const {
    if (size > static_cast<std::size_t>(INT32_MAX))
      return false;
    SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (rw == nullptr)
      return false;
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(rw, 1, &spec, &buffer, &length) == nullptr)
      return false;
    SDL_AudioCVT cvt{};
    int built = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, have_.format,
                                  have_.channels, have_.freq);
    bool ok = built >= 0;
    if (ok) {
      std::size_t capacity =
          static_cast<std::size_t>(length) * static_cast<std::size_t>(std::max(cvt.len_mult, 1));
      if (capacity > kMaxDeviceBytes) {
        SDL_FreeWAV(buffer);
        return false;
      }
      out.assign(std::max<std::size_t>(capacity, length), 0);
      std::memcpy(out.data(), buffer, length);
      if (built == 1) {
        cvt.buf = out.data();
        cvt.len = static_cast<int>(length);
        ok = SDL_ConvertAudio(&cvt) == 0;
        if (ok)
          out.resize(static_cast<std::size_t>(cvt.len_cvt));
      } else {
        out.resize(length);
      }
    }
    SDL_FreeWAV(buffer);
    // Keep whole sample frames only.
    std::size_t frame =
        static_cast<std::size_t>(SDL_AUDIO_BITSIZE(have_.format) / 8) * have_.channels;
    if (ok && frame > 0)
      out.resize(out.size() / frame * frame);
    return ok && !out.empty();
  }

  std::chrono::milliseconds BytesToDuration(std::size_t bytes) const {
    std::size_t per_second = static_cast<std::size_t>(SDL_AUDIO_BITSIZE(have_.format) / 8) *
                             have_.channels * static_cast<std::size_t>(have_.freq);
    if (per_second == 0)
      return std::chrono::milliseconds(0);
    return std::chrono::milliseconds(static_cast<std::int64_t>(bytes * 1000 / per_second));
  }

  std::mutex mutex_;
  SDL_AudioDeviceID device_ = 0;
  SDL_AudioSpec have_{};
  bool subsystem_started_ = false;
  bool failed_ = false;
};

SoundChannel& Channel() {
  static SoundChannel channel;
  return channel;
}

QByteArray ReadWholeFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return file.readAll();
}

// The path's bytes name the file as they are (a path need not be valid text). What is not a
// regular file (a FIFO, /dev/zero) or is too large is refused at once, as unplayable.
std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  if (path.empty() || !ReadRegularFile(path, kMaxWaveFileBytes, &bytes))
    return {};
  return bytes;
}

void WaitUntilDrained(std::chrono::milliseconds length) {
  auto deadline = std::chrono::steady_clock::now() + SoundWaitBound(length);
  while (IsSoundPlaying() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace

void PlaySoundFile(const std::string& path) {
  std::string bytes = ReadFileBytes(path);
  if (bytes.empty()) {
    // The new request still ends the old sound, as any new request does.
    StopSound();
    return;
  }
  Channel().Play(bytes.data(), bytes.size(), false);
}

bool PlaySoundFileUnlessBusy(const std::string& path) {
  if (IsSoundPlaying())
    return false;
  std::string bytes = ReadFileBytes(path);
  if (bytes.empty())
    return false;
  return Channel().Play(bytes.data(), bytes.size(), true).count() >= 0;
}

void PlaySoundData(const void* data, std::size_t size, SoundWait wait) {
  std::chrono::milliseconds length = Channel().Play(data, size, false);
  if (wait == SoundWait::kWait && length.count() >= 0)
    WaitUntilDrained(length);
}

void PlaySoundResource(const QString& resource_path, SoundWait wait) {
  // A missing resource never reaches the channel, so whatever plays goes on.
  QByteArray bytes = ReadWholeFile(resource_path);
  if (bytes.isEmpty())
    return;
  PlaySoundData(bytes.constData(), static_cast<std::size_t>(bytes.size()), wait);
}

bool IsSoundPlaying() {
  return Channel().IsPlaying();
}

void StopSound() {
  Channel().Stop();
}

std::chrono::milliseconds SoundWaitBound(std::chrono::milliseconds sound_length) {
  return std::min(sound_length + kWaitMargin, kWaitCeiling);
}

void ShutdownSound() {
  Channel().Close();
}

std::string SoundDriverName() {
  return Channel().DriverName();
}

}  // namespace orbello::platform
