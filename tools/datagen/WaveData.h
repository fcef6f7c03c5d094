// Mono 16-bit sound samples and the RIFF wave files that carry them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Every recording of the data tree is 22050 Hz mono 16-bit PCM.
inline constexpr int kWaveRate = 22050;

using Samples = std::vector<int16_t>;

// A complete wave file of mono 16-bit samples.
std::string EncodeWave(const Samples& samples, int rate = kWaveRate);

// Reads 8- or 16-bit PCM, mono or stereo (mixed down), into mono 16-bit samples.
// A streamed wave whose data size field is unset is read to the end of the bytes.
// False when the bytes are not such a wave.
bool DecodeWave(std::string_view bytes, Samples& samples, int& rate);

// Linear-interpolation change of sample rate.
Samples Resample(const Samples& in, int fromRate, int toRate);

// Cuts leading and trailing quiet (keeping a short margin), scales the peak to
// the given fraction of full scale and fades the ends so that nothing clicks.
void TrimAndNormalise(Samples& samples, double peak);
