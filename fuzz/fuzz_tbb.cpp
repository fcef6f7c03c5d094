// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the byte-bitmap record reader ("TBB1"/"TBBs") and draws what it accepts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "graphics/CTByteBitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    CTByteBitmap bmp;
    if (!bmp.LoadFromStream(in))
        return 0;
    if (static_cast<int64_t>(bmp.Width()) * bmp.Height() > CTByteBitmap::kMaxPixels)
        std::abort();
    if ((bmp.Width() == 0 || bmp.Height() == 0) != (bmp.Data() == nullptr))
        std::abort();
    Bitmap target(16, 16);
    bmp.DrawColour(target, -3, -2, 255, target.Bounds(), RGB(10, 200, 30));
    bmp.DrawColour(target, 5, 7, 77, {6, 0, 12, 9}, RGB(250, 0, 130));
    // What is accepted must survive being written and read again.
    std::stringstream again;
    bmp.SaveToStream(again, false);
    CTByteBitmap back;
    if (!back.LoadFromStream(again) || !(back == bmp))
        std::abort();
    return 0;
}
