// One sound channel for the whole process, over SDL2's audio queue.
//
// The audio library is loaded at run time, on a thread of its own, the first time sound is
// prepared or asked for: the window's first frame needs none of it. A sound asked for before the
// device is open is kept and played as soon as it is; until then it counts as playing.
//
// The rules are those of the programs' sound calls: a new sound cuts off the one that is playing;
// the jump sound is played only when nothing else plays; a sound that cannot be played (missing
// file, not a WAVE file, empty name) plays nothing and reports nothing, and no default sound
// replaces it. Without any usable audio device every call returns at once.
//
// All functions are safe to call from any thread; they are normally called from the UI thread.
#pragma once

#include <QString>
#include <chrono>
#include <cstddef>
#include <string>

namespace orbello::platform {

enum class SoundWait { kAsync, kWait };

// Starts bringing up the audio device in the background and returns at once.
void PrepareSound();

// Plays the WAVE file named by `path` (the bytes are used unchanged as a file name) and returns at
// once. Whatever was playing stops first, even when the new file turns out to be unplayable.
void PlaySoundFile(const std::string& path);

// The jump sound: plays `path` only when no other sound is playing. Returns true when it was
// started, false when another sound kept the channel or the file could not be played.
bool PlaySoundFileUnlessBusy(const std::string& path);

// Plays WAVE data held in memory (a whole RIFF/WAVE file image). With kWait the call blocks until
// the sound has ended, but never longer than the sound's own length plus a margin (see
// SoundWaitBound), so a stuck device cannot hang the caller; a device still coming up is waited
// for a few seconds at most.
void PlaySoundData(const void* data, std::size_t size, SoundWait wait);

// Plays the WAVE file stored as a Qt resource (e.g. ":/game/WIN_GAME.wav"). A missing resource
// plays nothing, reports nothing and leaves the playing sound alone.
void PlaySoundResource(const QString& resource_path, SoundWait wait);

// True while the channel still has audio to deliver.
bool IsSoundPlaying();

// Stops the playing sound at once (the purge of the settings dialog).
void StopSound();

// How long a waiting play may block for a sound of the given length.
std::chrono::milliseconds SoundWaitBound(std::chrono::milliseconds sound_length);

// Closes the audio device; later calls open it again. Call before the program ends so the device
// is not torn down during static destruction.
void ShutdownSound();

// Name of the SDL audio driver in use ("dummy", "pulseaudio", ...), or empty when there is no
// usable device. Opens the device if it is not open yet and waits for it.
std::string SoundDriverName();

// Tests only: while held, a device being opened is not yet taken into use.
void HoldSoundDeviceForTesting(bool hold);
// Tests only: the library the next opening loads (a missing one gives a program without sound).
void UseSoundLibraryForTesting(const std::string& library_name);

}  // namespace orbello::platform
