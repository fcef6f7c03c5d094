// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds for the voice tests: a generated word of the data tree set in a
// take with room noise around it, as a microphone would hear it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The generated recording of a word (22050 Hz mono), empty when no data tree
// has been generated.
std::vector<int16_t> GeneratedWord(const std::string& key);

// gain times the word, with leadMs of noise before and tailMs after; the
// noise (standard deviation noise) and a constant offset run under it all.
std::vector<int16_t> TakeAround(const std::vector<int16_t>& word, double gain, int leadMs, int tailMs, double noise,
                                int offset = 0);

// A wave file's bytes: samples in the given layout ("pcm16", "pcm24",
// "float32") at a rate, every channel the same.
std::string WaveBytes(const std::vector<int16_t>& samples, int rate, int channels, const std::string& layout);
