#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "raster.h"

namespace orbello::art {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRate = kSampleRate;

using Samples = std::vector<double>;

Samples Silence(double seconds) {
  return Samples(size_t(seconds * kRate + 0.5), 0.0);
}

double NoteHz(int midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Adds a tone with a pitch glide from f0 to f1, partials (ratio, level) and an envelope of
// `attack` seconds and exponential decay `tau`, starting at `start` seconds.
struct Partial {
  double ratio;
  double level;
  double decay_scale;  // partial decays faster when < 1
};

void AddTone(Samples& out, double start, double length, double f0, double f1, double level,
             double attack, double tau, const std::vector<Partial>& partials) {
  const size_t first = size_t(start * kRate);
  const size_t count = size_t(length * kRate);
  if (out.size() < first + count)
    out.resize(first + count, 0.0);
  std::vector<double> phase(partials.size(), 0.0);
  for (size_t i = 0; i < count; ++i) {
    const double t = i / kRate;
    const double f = f0 * std::pow(f1 / f0, std::min(1.0, t / length));
    const double env = std::min(1.0, t / attack);
    double v = 0.0;
    for (size_t k = 0; k < partials.size(); ++k) {
      phase[k] += 2.0 * kPi * f * partials[k].ratio / kRate;
      v += partials[k].level * std::sin(phase[k]) * std::exp(-t / (tau * partials[k].decay_scale));
    }
    out[first + i] += level * env * v;
  }
}

void AddNoise(Samples& out, double start, double length, double level, double tau, double smoothing,
              uint32_t seed) {
  const size_t first = size_t(start * kRate);
  const size_t count = size_t(length * kRate);
  if (out.size() < first + count)
    out.resize(first + count, 0.0);
  double low = 0.0, prev = 0.0;
  for (size_t i = 0; i < count; ++i) {
    const double t = i / kRate;
    const double white = Hash01(uint32_t(i), seed) * 2.0 - 1.0;
    low += (white - low) * smoothing;  // one-pole low pass
    const double band = low - prev;    // and a difference: a soft band pass
    prev = low;
    out[first + i] += level * (band * 3.0 + low * 0.5) * std::exp(-t / tau);
  }
}

// A small room: two feedback echoes, enough to make the chimes ring.
void AddRoom(Samples& s, double mix) {
  const size_t d1 = size_t(0.037 * kRate), d2 = size_t(0.053 * kRate);
  s.resize(s.size() + size_t(0.25 * kRate), 0.0);
  Samples wet(s.size(), 0.0);
  for (size_t i = 0; i < s.size(); ++i) {
    double v = s[i];
    if (i >= d1)
      v += 0.45 * wet[i - d1];
    if (i >= d2)
      v += 0.35 * wet[i - d2];
    wet[i] = v * 0.5;
  }
  for (size_t i = 0; i < s.size(); ++i)
    s[i] = s[i] * (1.0 - mix) + wet[i] * mix * 1.6;
}

QByteArray Encode(Samples s, double peak) {
  // Trim the silent tail, fade the last milliseconds, normalise to the peak.
  double max_abs = 0.0;
  for (double v : s)
    max_abs = std::max(max_abs, std::abs(v));
  size_t end = s.size();
  while (end > 0 && std::abs(s[end - 1]) < max_abs * 0.002)
    --end;
  s.resize(end);
  const size_t fade = std::min(s.size(), size_t(0.006 * kRate));
  for (size_t i = 0; i < fade; ++i)
    s[s.size() - 1 - i] *= double(i) / fade;
  const double gain = max_abs > 0 ? peak / max_abs : 0.0;

  QByteArray out;
  const auto put = [&out](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
      out.append(char((v >> (8 * i)) & 0xFF));
  };
  const uint32_t data_bytes = uint32_t(s.size() * 2);
  out.append("RIFF");
  put(36 + data_bytes, 4);
  out.append("WAVE");
  out.append("fmt ");
  put(16, 4);
  put(1, 2);  // PCM
  put(1, 2);  // mono
  put(kSampleRate, 4);
  put(kSampleRate * 2, 4);
  put(2, 2);
  put(16, 2);
  out.append("data");
  put(data_bytes, 4);
  for (double v : s) {
    const long q = std::lround(std::clamp(v * gain, -1.0, 1.0) * 32767.0);
    put(uint32_t(int16_t(q)) & 0xFFFF, 2);
  }
  return out;
}

const std::vector<Partial> kSoft = {{1.0, 1.0, 1.0}, {2.0, 0.25, 0.6}};
const std::vector<Partial> kBell = {
    {1.0, 1.0, 1.0}, {2.0, 0.45, 0.7}, {2.76, 0.32, 0.5}, {4.07, 0.18, 0.35}, {5.4, 0.08, 0.25}};
const std::vector<Partial> kBrass = {{1.0, 1.0, 1.0},  {2.0, 0.7, 0.9}, {3.0, 0.5, 0.8},
                                     {4.0, 0.32, 0.7}, {5.0, 0.2, 0.6}, {6.0, 0.12, 0.5}};
const std::vector<Partial> kHollow = {{1.0, 1.0, 1.0}, {3.0, 0.33, 0.8}, {5.0, 0.12, 0.6}};

}  // namespace

QByteArray SelectSound() {
  Samples s = Silence(0.11);
  AddTone(s, 0.0, 0.11, 1250.0, 640.0, 0.9, 0.002, 0.028, kSoft);
  AddTone(s, 0.0, 0.05, 2600.0, 2200.0, 0.15, 0.001, 0.008, {{1.0, 1.0, 1.0}});
  return Encode(s, 0.55);
}

QByteArray MoveSound() {
  Samples s = Silence(0.06);
  AddTone(s, 0.0, 0.06, 720.0, 560.0, 0.8, 0.001, 0.012, kHollow);
  AddNoise(s, 0.0, 0.03, 0.5, 0.006, 0.35, 7);
  return Encode(s, 0.45);
}

QByteArray DestroySound() {
  Samples s = Silence(0.45);
  AddNoise(s, 0.0, 0.12, 0.3, 0.025, 0.7, 11);
  const int notes[4] = {88, 84, 79, 76};  // E6 C6 G5 E5: a falling sparkle
  for (int i = 0; i < 4; ++i) {
    AddTone(s, 0.015 + 0.055 * i, 0.3, NoteHz(notes[i]), NoteHz(notes[i]), 0.5 - 0.06 * i, 0.002,
            0.09, kBell);
  }
  AddRoom(s, 0.3);
  return Encode(s, 0.6);
}

QByteArray NoPathSound() {
  Samples s = Silence(0.3);
  AddTone(s, 0.0, 0.12, NoteHz(57), NoteHz(56), 0.9, 0.004, 0.05, kHollow);
  AddTone(s, 0.13, 0.16, NoteHz(52), NoteHz(50), 0.9, 0.004, 0.06, kHollow);
  return Encode(s, 0.6);
}

QByteArray WinSound() {
  Samples s = Silence(1.5);
  // C5 E5 G5, then C6 over a held major chord.
  const int run[3] = {72, 76, 79};
  for (int i = 0; i < 3; ++i) {
    AddTone(s, 0.13 * i, 0.16, NoteHz(run[i]), NoteHz(run[i]), 0.55, 0.012, 0.2, kBrass);
  }
  AddTone(s, 0.39, 0.9, NoteHz(84), NoteHz(84) * 1.002, 0.6, 0.02, 0.5, kBrass);
  for (int n : {60, 64, 67}) {
    AddTone(s, 0.39, 0.9, NoteHz(n), NoteHz(n), 0.22, 0.03, 0.45, kBrass);
  }
  AddTone(s, 0.39, 0.7, NoteHz(96), NoteHz(96), 0.12, 0.002, 0.2, kBell);
  AddRoom(s, 0.25);
  return Encode(s, 0.7);
}

QByteArray QuitSound() {
  Samples s = Silence(0.8);
  const int notes[3] = {79, 76, 72};  // G5 E5 C5
  for (int i = 0; i < 3; ++i) {
    AddTone(s, 0.16 * i, 0.8 - 0.16 * i - 0.05, NoteHz(notes[i]), NoteHz(notes[i]), 0.6, 0.003,
            0.22, kBell);
  }
  AddRoom(s, 0.25);
  // Keep the farewell under a second, however the room rings on.
  s.resize(std::min(s.size(), size_t(0.92 * kRate)));
  return Encode(s, 0.6);
}

}  // namespace orbello::art
