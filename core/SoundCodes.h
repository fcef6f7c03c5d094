// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Bit codes of the practised sounds and of their positions in a word. A set of
// sounds or of positions is the OR of its bits; the order of the sound bits is
// the order in which sound sets are split and processed.
#pragma once

#include <cstdint>

constexpr int32_t GL_SZ = 0x001;    // SZ
constexpr int32_t GL_ZRZ = 0x002;   // Ż, written ż or rz
constexpr int32_t GL_CZ = 0x004;    // CZ
constexpr int32_t GL_DZZ = 0x008;   // DŻ
constexpr int32_t GL_S = 0x010;     // S
constexpr int32_t GL_Z = 0x020;     // Z
constexpr int32_t GL_C = 0x040;     // C
constexpr int32_t GL_DZ = 0x080;    // DZ
constexpr int32_t GL_SS = 0x100;    // Ś
constexpr int32_t GL_ZZ = 0x200;    // Ź
constexpr int32_t GL_CC = 0x400;    // Ć
constexpr int32_t GL_DZZZ = 0x800;  // DŹ
// Every sound bit: a sound mask is cut to these.
constexpr int32_t GL_WSZYSTKIE = 0xFFF;
constexpr int kSoundCount = 12;

constexpr int32_t POZ_NAGLOS = 0x1000;    // the sound starts the word
constexpr int32_t POZ_SRODGLOS = 0x2000;  // neither first nor last
constexpr int32_t POZ_WYGLOS = 0x4000;    // the sound ends the word
constexpr int32_t POZ_WSZYSTKIE = 0x7000;

// The word was already given out in the current cycle of its choice of words.
constexpr int32_t FL_UZYTE = 0x8000;
