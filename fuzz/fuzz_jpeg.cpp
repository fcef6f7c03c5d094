// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the program's handling of damaged JPEG files (".xji"): the decoder
// wrapper and every loader that reads one — interface pictures, backgrounds,
// word pictures (which fall back to black), transparent pairs, files told
// apart from BMP by their contents, and the memory cards kept as JPEG bytes.
// Damaged data must be refused cleanly or shown as far as it decodes, and
// whatever a loader gives must have the size it promises. The fuzz build links
// a decoder built from its source with the same instrumentation (fuzz/run.sh),
// so that the search reaches every way a file can be damaged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include <turbojpeg.h>
#include <unistd.h>

#include "graphics/CTransBitmap.h"
#include "graphics/Cbitmapy.h"
#include "graphics/Jpeg.h"
#include "graphics/JpegImage.h"
#include "platform/Paths.h"

namespace {

constexpr long long kFuzzPixels = 1 << 16;
// The loaders decode with the program's own limit: only pictures this small
// are given to them, so that each run stays short.
constexpr long long kLoaderPixels = 1 << 14;

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

// A program directory of the fuzzer's own, where each input is the file the
// loaders read; removed when the process ends.
struct Sandbox {
    Sandbox()
    {
        std::error_code ec;
        dir = std::filesystem::temp_directory_path(ec) / ("szeptaczki-fuzz-jpeg-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir / "Data" / "exio400j", ec);
        std::filesystem::create_directories(dir / "Data" / "Intf" / "Spec", ec);
        SetProgramDir(dir);
    }
    ~Sandbox()
    {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::filesystem::path dir;
};

// The size the header gives, or false when there is no readable header.
bool HeaderSize(std::string_view bytes, int& width, int& height)
{
    // A decoder of its own for each call: one that refused a header may refuse
    // every later one, and the search must not depend on what came before.
    const tjhandle handle = tjInitDecompress();
    int subsampling = 0, colourspace = 0;
    const bool ok = handle != nullptr &&
                    tjDecompressHeader3(handle, reinterpret_cast<const unsigned char*>(bytes.data()),
                                        static_cast<unsigned long>(bytes.size()), &width, &height, &subsampling,
                                        &colourspace) == 0;
    if (handle != nullptr)
        tjDestroy(handle);
    return ok;
}

void DriveLoaders(std::string_view bytes, const Bitmap* decoded)
{
    static const Sandbox sandbox;
    const std::filesystem::path& dir = sandbox.dir;
    for (const std::filesystem::path& file : {dir / "Data" / "exio400j" / "w.xji", dir / "Data" / "Intf" / "Spec" / "p.xji"})
        if (std::FILE* out = std::fopen(file.c_str(), "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), out);
            std::fclose(out);
        }

    // Word pictures never fail: a damaged one is black, at the size asked for.
    const auto word = LoadWordPictureLarge("w", 40, 30, 2);
    Check(word && word->Width() == 40 && word->Height() == 30);

    // Pictures drawn where they are (a missing or damaged one draws nothing).
    Bitmap canvas(48, 48, PixelFormat::Bgr24);
    DrawJpegFile(canvas, 4, 4, "Data\\Intf\\Spec\\p.xji");
    Check(canvas.Width() == 48 && canvas.Height() == 48);

    // A background is the screen's size whatever the picture.
    Bitmap background;
    try {
        MakeBackground({64, 48, 2, 3}, background, "Data\\Intf\\Spec\\p.xji");
        Check(background.Width() == 64 && background.Height() == 48);
    } catch (const EInvalidGraphic&) {
        Check(decoded == nullptr);
    }

    // Told apart from a BMP file by the first bytes, decoded as the wrapper decodes it.
    Bitmap picture;
    try {
        LoadPictureFile(picture, "Data\\Intf\\Spec\\p.xji");
        Check(decoded != nullptr && picture.Width() == decoded->Width() && picture.Height() == decoded->Height());
    } catch (const EInvalidGraphic&) {
        Check(decoded == nullptr);
    }

    // A sprite from the picture over black and over white (here the same
    // file twice): the pair decodes or is refused with its code.
    CTransBitmap sprite;
    const int code = sprite.TryLoadPair("Data\\Intf\\Spec\\p.xji", "Data\\Intf\\Spec\\p.xji");
    if (code == 0)
        Check(decoded != nullptr && sprite.Colour && sprite.Mask && sprite.Colour->Width() == decoded->Width() &&
              sprite.Mask->Width() == decoded->Width() && sprite.Mask->Height() == decoded->Height());
    else
        Check(code == 6 || code == 14);

    // The memory cards keep their faces as JPEG bytes of the decoded picture.
    if (decoded != nullptr) {
        const JpegImage card(*decoded, 90);
        const Bitmap face = card.ToBitmap();
        Check(face.Width() == decoded->Width() && face.Height() == decoded->Height());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Bitmap picture;
    bool decodedOk = true;
    try {
        // A small limit keeps each run short; the limit itself is part of what is tested.
        DecodeJpeg(bytes, picture, kFuzzPixels);
    } catch (const EInvalidGraphic&) {
        decodedOk = false;
    }
    if (decodedOk)
        Check(!picture.Empty() && picture.Format() == PixelFormat::Bgr24 &&
              static_cast<long long>(picture.Width()) * picture.Height() <= kFuzzPixels);

    // Files that start as a BMP file does are the BMP reader's (its own target).
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return 0;
    int width = 0, height = 0;
    const bool small = !HeaderSize(bytes, width, height) || static_cast<long long>(width) * height <= kLoaderPixels;
    if (small)
        DriveLoaders(bytes, decodedOk ? &picture : nullptr);
    return 0;
}
