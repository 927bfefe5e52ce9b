#include "platform/qt/sound.h"

#include <SDL.h>
#include <dlfcn.h>

#include <QFile>
#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <optional>
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
// A waiting play made while the audio stack is still coming up waits this long for it at most.
constexpr std::chrono::milliseconds kStackWaitBound{3000};

// The game's sounds are effects of a second or two. 64 MiB is over six minutes of CD-quality
// audio, far beyond any of them, and keeps /dev/zero or a runaway file from taking the memory.
constexpr std::size_t kMaxWaveFileBytes = std::size_t{64} << 20;
// The device-format copy of a sound: room for a 64 MiB file at up to four times its size, not
// for a long low-rate sound blown up many times over.
constexpr std::size_t kMaxDeviceBytes = std::size_t{256} << 20;

// The audio library is loaded at run time: with its sound servers and codecs it is half of the
// program's libraries, and nothing of it is needed for the first frame.
constexpr char kSdlLibrary[] = "libSDL2-2.0.so.0";

struct SdlApi {
  decltype(&SDL_SetHint) SetHint = nullptr;
  decltype(&SDL_SetHintWithPriority) SetHintWithPriority = nullptr;
  decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
  decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
  decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
  decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
  decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
  decltype(&SDL_LockAudioDevice) LockAudioDevice = nullptr;
  decltype(&SDL_UnlockAudioDevice) UnlockAudioDevice = nullptr;
  decltype(&SDL_QueueAudio) QueueAudio = nullptr;
  decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio = nullptr;
  decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize = nullptr;
  decltype(&SDL_GetCurrentAudioDriver) GetCurrentAudioDriver = nullptr;
  decltype(&SDL_RWFromConstMem) RWFromConstMem = nullptr;
  decltype(&SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
  decltype(&SDL_FreeWAV) FreeWAV = nullptr;
  decltype(&SDL_BuildAudioCVT) BuildAudioCVT = nullptr;
  decltype(&SDL_ConvertAudio) ConvertAudio = nullptr;
};

template <typename Function>
bool Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

// Loads the library once for the process; it is never unloaded, since its threads may outlive
// any one device. Returns null when the library or any entry point is missing.
const SdlApi* LoadSdl(const std::string& library_name) {
  static std::mutex mutex;
  static SdlApi api;
  static std::string loaded_name;
  std::lock_guard<std::mutex> guard(mutex);
  if (!loaded_name.empty())
    return loaded_name == library_name ? &api : nullptr;
  void* library = dlopen(library_name.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr)
    return nullptr;
  SdlApi found;
  bool ok = Resolve(library, "SDL_SetHint", found.SetHint) &&
            Resolve(library, "SDL_SetHintWithPriority", found.SetHintWithPriority) &&
            Resolve(library, "SDL_InitSubSystem", found.InitSubSystem) &&
            Resolve(library, "SDL_QuitSubSystem", found.QuitSubSystem) &&
            Resolve(library, "SDL_OpenAudioDevice", found.OpenAudioDevice) &&
            Resolve(library, "SDL_CloseAudioDevice", found.CloseAudioDevice) &&
            Resolve(library, "SDL_PauseAudioDevice", found.PauseAudioDevice) &&
            Resolve(library, "SDL_LockAudioDevice", found.LockAudioDevice) &&
            Resolve(library, "SDL_UnlockAudioDevice", found.UnlockAudioDevice) &&
            Resolve(library, "SDL_QueueAudio", found.QueueAudio) &&
            Resolve(library, "SDL_ClearQueuedAudio", found.ClearQueuedAudio) &&
            Resolve(library, "SDL_GetQueuedAudioSize", found.GetQueuedAudioSize) &&
            Resolve(library, "SDL_GetCurrentAudioDriver", found.GetCurrentAudioDriver) &&
            Resolve(library, "SDL_RWFromConstMem", found.RWFromConstMem) &&
            Resolve(library, "SDL_LoadWAV_RW", found.LoadWAV_RW) &&
            Resolve(library, "SDL_FreeWAV", found.FreeWAV) &&
            Resolve(library, "SDL_BuildAudioCVT", found.BuildAudioCVT) &&
            Resolve(library, "SDL_ConvertAudio", found.ConvertAudio);
  if (!ok) {
    dlclose(library);
    return nullptr;
  }
  api = found;
  loaded_name = library_name;
  return &api;
}

// The channel's device comes up on a thread of its own (loading the library and connecting to the
// sound server take longer than the whole first frame). A sound asked for meanwhile waits in
// `pending_` and is queued as soon as the device is open; it counts as playing until then, so the
// one-channel rules hold from the first request on.
class SoundChannel {
 public:
  enum class State { kIdle, kLoading, kReady, kFailed };

  ~SoundChannel() { Close(); }

  void Prepare() {
    std::lock_guard<std::mutex> guard(mutex_);
    StartLoadingLocked();
  }

  // Converts `wave` to the device format and replaces whatever is queued. With `only_if_idle` the
  // sound is queued only when the channel is idle. Returns the length of the queued sound, zero
  // for a sound that waits for the device, or a negative value when nothing was queued.
  std::chrono::milliseconds Play(const void* data, std::size_t size, bool only_if_idle) {
    std::lock_guard<std::mutex> guard(mutex_);
    StartLoadingLocked();
    if (state_ == State::kLoading) {
      if (only_if_idle && pending_)
        return std::chrono::milliseconds(-1);
      pending_.reset();
      if (data == nullptr || size == 0)
        return std::chrono::milliseconds(-1);
      pending_.emplace(static_cast<const char*>(data), size);
      return std::chrono::milliseconds(0);
    }
    if (state_ != State::kReady)
      return std::chrono::milliseconds(-1);
    return QueueLocked(data, size, only_if_idle);
  }

  bool IsPlaying() {
    std::lock_guard<std::mutex> guard(mutex_);
    if (state_ == State::kLoading)
      return pending_.has_value();
    return state_ == State::kReady && sdl_->GetQueuedAudioSize(device_) > 0;
  }

  void Stop() {
    std::lock_guard<std::mutex> guard(mutex_);
    pending_.reset();
    if (state_ == State::kReady)
      sdl_->ClearQueuedAudio(device_);
  }

  // Waits at most `bound` for the device to come up; true when it is open.
  bool WaitUntilSettled(std::chrono::milliseconds bound) {
    std::unique_lock<std::mutex> lock(mutex_);
    StartLoadingLocked();
    settled_.wait_for(lock, bound, [this] { return state_ != State::kLoading; });
    return state_ == State::kReady;
  }

  void Close() {
    std::thread loader;
    {
      std::lock_guard<std::mutex> guard(mutex_);
      loader = std::move(loader_);
      hold_ = false;
    }
    settled_.notify_all();
    if (loader.joinable())
      loader.join();
    std::lock_guard<std::mutex> guard(mutex_);
    pending_.reset();
    if (device_ != 0) {
      sdl_->CloseAudioDevice(device_);
      device_ = 0;
    }
    if (subsystem_started_) {
      sdl_->QuitSubSystem(SDL_INIT_AUDIO);
      subsystem_started_ = false;
    }
    state_ = State::kIdle;
  }

  std::string DriverName() {
    if (!WaitUntilSettled(kWaitCeiling))
      return {};
    std::lock_guard<std::mutex> guard(mutex_);
    const char* name = state_ == State::kReady ? sdl_->GetCurrentAudioDriver() : nullptr;
    return name != nullptr ? name : "";
  }

  void HoldLoading(bool hold) {
    {
      std::lock_guard<std::mutex> guard(mutex_);
      hold_ = hold;
    }
    settled_.notify_all();
  }

  void UseLibrary(const std::string& name) {
    std::lock_guard<std::mutex> guard(mutex_);
    library_name_ = name;
  }

 private:
  void StartLoadingLocked() {
    if (state_ != State::kIdle)
      return;
    state_ = State::kLoading;
    if (loader_.joinable())
      loader_.join();  // a loader of an earlier device has finished; only its handle is left
    loader_ = std::thread([this, library = library_name_] { Load(library); });
  }

  // The loader thread. The slow part runs without the lock, so that requests are taken meanwhile.
  void Load(const std::string& library) {
    const SdlApi* sdl = LoadSdl(library);
    SDL_AudioDeviceID device = 0;
    SDL_AudioSpec have{};
    bool subsystem = false;
    if (sdl != nullptr) {
      // SDL would otherwise install its own SIGINT/SIGTERM handlers and swallow them.
      sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
      device = OpenWithCurrentDriver(*sdl, &have, &subsystem);
      if (device == 0) {
        // No sound server or card: the dummy driver keeps the timing of the rules without output.
        sdl->SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        device = OpenWithCurrentDriver(*sdl, &have, &subsystem);
      }
    }
    std::unique_lock<std::mutex> lock(mutex_);
    settled_.wait(lock, [this] { return !hold_; });
    sdl_ = sdl;
    device_ = device;
    have_ = have;
    subsystem_started_ = subsystem;
    state_ = device != 0 ? State::kReady : State::kFailed;
    if (pending_ && state_ == State::kReady)
      QueueLocked(pending_->data(), pending_->size(), false);
    pending_.reset();
    lock.unlock();
    settled_.notify_all();
  }

  static SDL_AudioDeviceID OpenWithCurrentDriver(const SdlApi& sdl, SDL_AudioSpec* have,
                                                 bool* subsystem) {
    if (*subsystem) {
      sdl.QuitSubSystem(SDL_INIT_AUDIO);
      *subsystem = false;
    }
    if (sdl.InitSubSystem(SDL_INIT_AUDIO) != 0)
      return 0;
    *subsystem = true;
    SDL_AudioSpec want{};
    want.freq = kFrequency;
    want.format = kFormat;
    want.channels = kChannels;
    want.samples = kBufferFrames;
    want.callback = nullptr;  // queue mode
    SDL_AudioDeviceID device = sdl.OpenAudioDevice(nullptr, 0, &want, have, 0);
    if (device == 0) {
      sdl.QuitSubSystem(SDL_INIT_AUDIO);
      *subsystem = false;
      return 0;
    }
    sdl.PauseAudioDevice(device, 0);
    return device;
  }

  std::chrono::milliseconds QueueLocked(const void* data, std::size_t size, bool only_if_idle) {
    if (only_if_idle && sdl_->GetQueuedAudioSize(device_) > 0)
      return std::chrono::milliseconds(-1);
    if (!only_if_idle)
      sdl_->ClearQueuedAudio(device_);
    std::vector<Uint8> pcm;
    if (data == nullptr || size == 0 || !Convert(data, size, pcm)) {
      return std::chrono::milliseconds(-1);
    }
    sdl_->LockAudioDevice(device_);
    sdl_->ClearQueuedAudio(device_);
    sdl_->QueueAudio(device_, pcm.data(), static_cast<Uint32>(pcm.size()));
    // One buffer of silence pushes the last samples of the sound through the device.
    std::vector<Uint8> silence(static_cast<std::size_t>(have_.size), have_.silence);
    sdl_->QueueAudio(device_, silence.data(), static_cast<Uint32>(silence.size()));
    sdl_->UnlockAudioDevice(device_);
    return BytesToDuration(pcm.size() + silence.size());
  }

  bool Convert(const void* data, std::size_t size, std::vector<Uint8>& out) const {
    if (size > static_cast<std::size_t>(INT32_MAX))
      return false;
    SDL_RWops* rw = sdl_->RWFromConstMem(data, static_cast<int>(size));
    if (rw == nullptr)
      return false;
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (sdl_->LoadWAV_RW(rw, 1, &spec, &buffer, &length) == nullptr)
      return false;
    SDL_AudioCVT cvt{};
    int built = sdl_->BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, have_.format,
                                    have_.channels, have_.freq);
    bool ok = built >= 0;
    if (ok) {
      std::size_t capacity =
          static_cast<std::size_t>(length) * static_cast<std::size_t>(std::max(cvt.len_mult, 1));
      if (capacity > kMaxDeviceBytes) {
        sdl_->FreeWAV(buffer);
        return false;
      }
      out.assign(std::max<std::size_t>(capacity, length), 0);
      std::memcpy(out.data(), buffer, length);
      if (built == 1) {
        cvt.buf = out.data();
        cvt.len = static_cast<int>(length);
        ok = sdl_->ConvertAudio(&cvt) == 0;
        if (ok)
          out.resize(static_cast<std::size_t>(cvt.len_cvt));
      } else {
        out.resize(length);
      }
    }
    sdl_->FreeWAV(buffer);
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
  std::condition_variable settled_;
  std::thread loader_;
  State state_ = State::kIdle;
  std::optional<std::string> pending_;
  bool hold_ = false;
  std::string library_name_ = kSdlLibrary;
  const SdlApi* sdl_ = nullptr;
  SDL_AudioDeviceID device_ = 0;
  SDL_AudioSpec have_{};
  bool subsystem_started_ = false;
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

void PrepareSound() {
  Channel().Prepare();
}

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
  // A waiting play needs the sound's length, which only the open device knows.
  if (wait == SoundWait::kWait && !Channel().WaitUntilSettled(kStackWaitBound)) {
    StopSound();
    return;
  }
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

void HoldSoundDeviceForTesting(bool hold) {
  Channel().HoldLoading(hold);
}

void UseSoundLibraryForTesting(const std::string& library_name) {
  Channel().UseLibrary(library_name);
}

}  // namespace orbello::platform
