#include "platform/qt/sound.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <thread>

namespace orbello::platform {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

void PutLe(QByteArray& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

// A mono 16-bit 22050 Hz WAVE file image of the given length (a quiet square wave).
QByteArray MakeWave(int length_ms) {
  const std::uint32_t rate = 22050;
  const std::uint32_t frames = rate * static_cast<std::uint32_t>(length_ms) / 1000;
  QByteArray wave("RIFF");
  PutLe(wave, 36 + frames * 2, 4);
  wave.append("WAVEfmt ");
  PutLe(wave, 16, 4);
  PutLe(wave, 1, 2);  // PCM
  PutLe(wave, 1, 2);  // mono
  PutLe(wave, rate, 4);
  PutLe(wave, rate * 2, 4);
  PutLe(wave, 2, 2);
  PutLe(wave, 16, 2);
  wave.append("data");
  PutLe(wave, frames * 2, 4);
  for (std::uint32_t i = 0; i < frames; ++i)
    PutLe(wave, (i / 50) % 2 ? 0x0400 : 0xfc00, 2);
  return wave;
}

bool WaitUntilSilent(milliseconds limit) {
  auto end = Clock::now() + limit;
  while (Clock::now() < end) {
    if (!IsSoundPlaying())
      return true;
    std::this_thread::sleep_for(milliseconds(5));
  }
  return !IsSoundPlaying();
}

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // The channel's rules are tested on an open device; the time before it is open has a test of
    // its own.
    ASSERT_FALSE(SoundDriverName().empty());
    long_file_ = Write("long.wav", MakeWave(1500));
    short_file_ = Write("short.wav", MakeWave(60));
    garbage_file_ = Write("garbage.wav", QByteArray("RIFF\x10\0\0\0WAVEjunkjunkjunk", 24));
  }
  void TearDown() override { StopSound(); }

  std::string Write(const char* name, const QByteArray& bytes) {
    QFile file(dir_.filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName().toStdString();
  }

  QTemporaryDir dir_;
  std::string long_file_, short_file_, garbage_file_;
};

TEST_F(SoundTest, UsesTheDummyDriverInTests) {
  EXPECT_EQ(SoundDriverName(), "dummy");
}

TEST_F(SoundTest, FilePlaysAsynchronouslyUntilItsEnd) {
  ASSERT_FALSE(SoundDriverName().empty());  // the device is open before anything is timed
  auto start = Clock::now();
  PlaySoundFile(long_file_);
  EXPECT_LT(Clock::now() - start, milliseconds(1000)) << "an asynchronous play must not wait";
  EXPECT_TRUE(IsSoundPlaying());
  StopSound();
  PlaySoundFile(short_file_);
  EXPECT_TRUE(IsSoundPlaying());
  EXPECT_TRUE(WaitUntilSilent(milliseconds(1000)));
}

TEST_F(SoundTest, NewSoundCutsOffThePlayingOne) {
  PlaySoundFile(long_file_);
  ASSERT_TRUE(IsSoundPlaying());
  QByteArray short_wave = MakeWave(60);
  PlaySoundData(short_wave.constData(), static_cast<std::size_t>(short_wave.size()),
                SoundWait::kAsync);
  // The long sound would still play for more than a second.
  EXPECT_TRUE(WaitUntilSilent(milliseconds(500)));
}

TEST_F(SoundTest, JumpSoundNeverCutsOffAnotherSound) {
  PlaySoundFile(long_file_);
  EXPECT_FALSE(PlaySoundFileUnlessBusy(short_file_));
  // Had the short sound replaced the long one, the channel would be silent well before this.
  std::this_thread::sleep_for(milliseconds(400));
  EXPECT_TRUE(IsSoundPlaying());
  StopSound();
  EXPECT_FALSE(IsSoundPlaying());
  EXPECT_TRUE(PlaySoundFileUnlessBusy(short_file_));
  EXPECT_TRUE(IsSoundPlaying());
}

TEST_F(SoundTest, UnplayableSoundsPlayNothingAndStillEndThePlayingOne) {
  for (const std::string& bad :
       {std::string(), dir_.filePath("missing.wav").toStdString(), garbage_file_}) {
    SCOPED_TRACE(bad);
    PlaySoundFile(long_file_);
    ASSERT_TRUE(IsSoundPlaying());
    PlaySoundFile(bad);
    EXPECT_FALSE(IsSoundPlaying());
    EXPECT_FALSE(PlaySoundFileUnlessBusy(bad));
    EXPECT_FALSE(IsSoundPlaying());
  }
  // A resource that is not there is never asked to play: the sound playing goes on.
  PlaySoundFile(long_file_);
  PlaySoundResource(QStringLiteral(":/no/such/resource.wav"), SoundWait::kWait);
  EXPECT_TRUE(IsSoundPlaying());
  PlaySoundData(nullptr, 0, SoundWait::kWait);
  EXPECT_FALSE(IsSoundPlaying());
}

// A FIFO without a writer would block the read, /dev/zero never ends: such files, and one too
// large to be a sound, are refused at once like any unplayable file. The path is used as bytes,
// so a folder name that is not UTF-8 still finds its file.
TEST_F(SoundTest, SpecialFilesAreRefusedAtOnceAndPathsAreBytes) {
  const std::string fifo = dir_.filePath("fifo.wav").toStdString();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string huge = Write("huge.wav", MakeWave(60));
  std::filesystem::resize_file(huge, (std::uintmax_t{64} << 20) + 1);
  // Should a read block, writers that come and go release it, and the time check fails.
  std::atomic<bool> done{false};
  std::thread watchdog([&] {
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!done) {
      std::this_thread::sleep_for(milliseconds(10));
      if (Clock::now() > deadline) {
        int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
          close(fd);
      }
    }
  });
  for (const std::string& bad : {fifo, std::string("/dev/zero"), huge}) {
    SCOPED_TRACE(bad);
    PlaySoundFile(long_file_);
    ASSERT_TRUE(IsSoundPlaying());
    const auto start = Clock::now();
    PlaySoundFile(bad);
    EXPECT_FALSE(IsSoundPlaying());
    EXPECT_FALSE(PlaySoundFileUnlessBusy(bad));
    EXPECT_LT(Clock::now() - start, milliseconds(2000));
  }
  done = true;
  watchdog.join();

  const std::string folder = dir_.path().toStdString() + "/caf\xe9";
  ASSERT_TRUE(std::filesystem::create_directory(folder));
  std::filesystem::copy_file(short_file_, folder + "/short.wav");
  EXPECT_TRUE(PlaySoundFileUnlessBusy(folder + "/short.wav"));
}

TEST_F(SoundTest, WaitingPlayReturnsWhenTheSoundHasEnded) {
  QByteArray wave = MakeWave(300);
  ASSERT_FALSE(SoundDriverName().empty());
  auto start = Clock::now();
  PlaySoundData(wave.constData(), static_cast<std::size_t>(wave.size()), SoundWait::kWait);
  auto took = Clock::now() - start;
  EXPECT_FALSE(IsSoundPlaying());
  EXPECT_GE(took, milliseconds(250));
  EXPECT_LT(took, SoundWaitBound(milliseconds(330)));
}

TEST_F(SoundTest, WaitIsBoundedEvenForAnAbsurdLength) {
  EXPECT_EQ(SoundWaitBound(milliseconds(200)), milliseconds(1200));
  EXPECT_LE(SoundWaitBound(std::chrono::hours(3)), milliseconds(15000));
}

TEST_F(SoundTest, DeviceReopensAfterShutdown) {
  PlaySoundFile(long_file_);
  ShutdownSound();
  EXPECT_FALSE(IsSoundPlaying());
  PlaySoundFile(short_file_);
  EXPECT_TRUE(IsSoundPlaying());
}

// The device comes up in the background. The first sound a player can cause (the jump after New)
// may come before it is open: it must neither block nor be lost. Without any audio library every
// call returns at once.
TEST_F(SoundTest, SoundAskedForBeforeTheDeviceIsOpenPlaysOnceItIs) {
  ShutdownSound();
  HoldSoundDeviceForTesting(true);
  PrepareSound();
  auto start = Clock::now();
  EXPECT_TRUE(PlaySoundFileUnlessBusy(long_file_));
  EXPECT_LT(Clock::now() - start, milliseconds(200)) << "the request must not wait for the device";
  EXPECT_TRUE(IsSoundPlaying());
  EXPECT_FALSE(PlaySoundFileUnlessBusy(short_file_)) << "the waiting sound holds the channel";
  HoldSoundDeviceForTesting(false);
  ASSERT_EQ(SoundDriverName(), "dummy");
  EXPECT_TRUE(IsSoundPlaying()) << "the waiting sound was dropped";
  ShutdownSound();

  UseSoundLibraryForTesting("libno-such-audio-library.so.0");
  QByteArray wave = MakeWave(300);
  start = Clock::now();
  PlaySoundFile(long_file_);
  PlaySoundData(wave.constData(), static_cast<std::size_t>(wave.size()), SoundWait::kWait);
  EXPECT_FALSE(PlaySoundFileUnlessBusy(short_file_));
  EXPECT_FALSE(IsSoundPlaying());
  EXPECT_EQ(SoundDriverName(), "");
  EXPECT_LT(Clock::now() - start, milliseconds(500));
  UseSoundLibraryForTesting("libSDL2-2.0.so.0");
  ShutdownSound();
}

TEST(SoundDriverTest, UnknownDriverFallsBackToTheSilentOne) {
  ShutdownSound();
  qputenv("SDL_AUDIODRIVER", "no-such-driver");
  QByteArray wave = MakeWave(100);
  PlaySoundData(wave.constData(), static_cast<std::size_t>(wave.size()), SoundWait::kAsync);
  EXPECT_TRUE(IsSoundPlaying());
  EXPECT_EQ(SoundDriverName(), "dummy");
  ShutdownSound();
  qputenv("SDL_AUDIODRIVER", "dummy");
}

}  // namespace
}  // namespace orbello::platform
