// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG through the TurboJPEG API. The library reports corrupt data through its
// return codes; it never ends the process.
#include "graphics/Jpeg.h"

#include <turbojpeg.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct TjDeleter {
    void operator()(void* h) const { tjDestroy(h); }
};
using TjHandle = std::unique_ptr<void, TjDeleter>;

struct TjBufferDeleter {
    void operator()(unsigned char* p) const { tjFree(p); }
};

std::string ErrorText(void* handle)
{
    const char* s = tjGetErrorStr2(handle);
    return s ? s : "unknown error";
}

}  // namespace

void DecodeJpeg(std::string_view bytes, Bitmap& out, long long maxPixels)
{
    if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8)
        throw EInvalidGraphic("Invalid JPEG: no start-of-image marker");
    // A decoder of its own for each picture. A kept one would carry the
    // tables of the pictures before it (the library keeps them for streams
    // that leave them out), so a damaged file would decode or not by what was
    // shown before it. Making one costs far less than decoding the smallest
    // picture.
    const TjHandle handle(tjInitDecompress());
    if (!handle)
        throw EInvalidGraphic("Invalid JPEG: decoder not available");
    const auto refuse = [](std::string why) { throw EInvalidGraphic("Invalid JPEG: " + std::move(why)); };
    auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto size = static_cast<unsigned long>(bytes.size());
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(handle.get(), src, size, &width, &height, &subsampling, &colourspace) != 0)
        refuse(ErrorText(handle.get()));
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide ||
        static_cast<long long>(width) * height > std::min(maxPixels, kMaxPicturePixels))
        refuse("picture size out of range");
    // The decoder writes every pixel (a damaged stream is filled in, or fails).
    Bitmap decoded = Bitmap::ForOverwrite(width, height, PixelFormat::Bgr24);
    // Bitmap rows are stored bottom-up, which is what TJFLAG_BOTTOMUP writes.
    if (tjDecompress2(handle.get(), src, size, decoded.Bits(), width, decoded.Stride(), height, TJPF_BGR,
                      TJFLAG_BOTTOMUP) != 0) {
        if (tjGetErrorCode(handle.get()) != TJERR_WARNING)
            refuse(ErrorText(handle.get()));
    }
    out = std::move(decoded);
}

std::string EncodeJpeg(const Bitmap& bitmap, int quality, bool fullChroma)
{
    if (bitmap.Empty())
        throw EInvalidGraphic("Cannot encode an empty picture as JPEG");
    Bitmap converted;
    const Bitmap* src = &bitmap;
    int pixelFormat = TJPF_BGR;
    int subsampling = fullChroma ? TJSAMP_444 : TJSAMP_420;
    switch (bitmap.Format()) {
    case PixelFormat::Gray8: pixelFormat = TJPF_GRAY; subsampling = TJSAMP_GRAY; break;
    case PixelFormat::Bgr24: break;
    case PixelFormat::Bgrx32: pixelFormat = TJPF_BGRX; break;
    }
    TjHandle handle(tjInitCompress());
    if (!handle)
        throw EInvalidGraphic("JPEG encoder not available");
    unsigned char* jpeg = nullptr;
    unsigned long jpegSize = 0;
    const int rc = tjCompress2(handle.get(), src->Bits(), src->Width(), src->Stride(), src->Height(), pixelFormat,
                               &jpeg, &jpegSize, subsampling, std::clamp(quality, 1, 100), TJFLAG_BOTTOMUP);
    std::unique_ptr<unsigned char, TjBufferDeleter> owned(jpeg);
    if (rc != 0)
        throw EInvalidGraphic("JPEG encoding failed: " + ErrorText(handle.get()));
    return std::string(reinterpret_cast<const char*>(jpeg), jpegSize);
}
