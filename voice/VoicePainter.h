// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the voice screen draws its list rows and the chosen entry's card: the
// word pictures (made once per word and kept while the screen lives), the
// row icons, the texts and the marks of a take in progress or waiting.
#pragma once

#include <cstddef>
#include <map>
#include <memory>

#include "graphics/CTransBitmap.h"
#include "platform/Bitmap.h"
#include "platform/Font.h"
#include "voice/VoiceScreenLayout.h"

class TCanvas;
class TakeRecorder;
class VoiceLibrary;
class VoiceList;

// The screen's ink: text, quieter text, good news, a warning.
inline constexpr TColor kVoiceInk = RGB(0x4A, 0x2C, 0x10);
inline constexpr TColor kVoiceSoftInk = RGB(0x8A, 0x6A, 0x4A);
inline constexpr TColor kVoiceGood = RGB(0x1E, 0x8E, 0x4A);
inline constexpr TColor kVoiceBad = RGB(0xC8, 0x30, 0x28);

TFont VoiceFont(int height, bool bold, TColor colour);

class VoicePainter {
public:
    // Loads the row icons of the display mode; raises when they are missing.
    VoicePainter(const VoiceScreenLayout& layout, const VoiceLibrary& library);

    // Draw onto a picture of the paint box at area (screen coordinates).
    void DrawList(Bitmap& picture, TCanvas& canvas, const TRect& area, const VoiceList& list,
                  const TakeRecorder& recorder);
    void DrawCard(Bitmap& picture, TCanvas& canvas, const TRect& area, const VoiceList& list,
                  const TakeRecorder& recorder);

private:
    void DrawIcon(Bitmap& target, VoiceIcon icon, int x, int y) const;
    const Bitmap& Thumbnail(std::size_t entry);

    const VoiceScreenLayout& layout_;
    const VoiceLibrary& library_;
    CTransBitmap icons_;
    std::map<std::size_t, std::unique_ptr<Bitmap>> thumbnails_;
    std::unique_ptr<Bitmap> cardPicture_;
    std::size_t cardEntry_ = static_cast<std::size_t>(-1);
};
