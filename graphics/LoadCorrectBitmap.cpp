// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// BMP decoding and encoding. Every read goes through bounds-checked helpers;
// the picture size is capped before pixel memory is taken.
#include "graphics/LoadCorrectBitmap.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "graphics/PictureReads.h"
#include "platform/Paths.h"

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;

[[noreturn]] void Fail(const char* why)
{
    throw EInvalidGraphic(std::string("Invalid bitmap: ") + why);
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : b_(bytes) {}
    std::size_t Size() const { return b_.size(); }
    uint8_t U8(std::size_t off) const
    {
        if (off >= b_.size())
            Fail("header past the end of the file");
        return static_cast<uint8_t>(b_[off]);
    }
    uint16_t U16(std::size_t off) const { return static_cast<uint16_t>(U8(off) | U8(off + 1) << 8); }
    uint32_t U32(std::size_t off) const { return static_cast<uint32_t>(U16(off)) | static_cast<uint32_t>(U16(off + 2)) << 16; }
    int32_t I32(std::size_t off) const { return static_cast<int32_t>(U32(off)); }
    const uint8_t* Data() const { return reinterpret_cast<const uint8_t*>(b_.data()); }

private:
    std::string_view b_;
};

struct ChannelMask {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    void Set(uint32_t m)
    {
        mask = m;
        shift = bits = 0;
        if (m == 0)
            return;
        while (!(m & 1)) { m >>= 1; ++shift; }
        while (m & 1) { m >>= 1; ++bits; }
    }
    uint8_t Extract(uint32_t px) const
    {
        if (bits == 0)
            return 0;
        const uint32_t v = (px & mask) >> shift;
        if (bits >= 8)
            return static_cast<uint8_t>(v >> (bits - 8));
        const uint32_t max = (1u << bits) - 1;
        return static_cast<uint8_t>((v * 255 + max / 2) / max);
    }
};

struct BmpInfo {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bpp = 0;
    uint32_t compression = kBiRgb;
    std::array<uint8_t, 256 * 3> palette{};  // blue, green, red per entry; unknown entries black
    ChannelMask blue, green, red;
    std::size_t dataOffset = 0;
};

BmpInfo ParseHeaders(const Reader& r, long long maxPixels)
{
    if (r.Size() < 26 || r.U8(0) != 'B' || r.U8(1) != 'M')
        Fail("not a BMP file");
    BmpInfo info;
    const uint32_t infoSize = r.U32(14);
    int64_t width, height;
    int planes;
    uint32_t colours = 0;
    std::size_t afterHeader;
    std::size_t paletteEntrySize = 4;
    if (infoSize == 12) {
        width = r.U16(18);
        height = static_cast<int16_t>(r.U16(20));
        planes = r.U16(22);
        info.bpp = r.U16(24);
        afterHeader = 26;
        paletteEntrySize = 3;
    } else if (infoSize >= 40 && infoSize <= 4096) {
        width = r.I32(18);
        height = r.I32(22);
        planes = r.U16(26);
        info.bpp = r.U16(28);
        info.compression = r.U32(30);
        colours = r.U32(46);
        afterHeader = 14 + static_cast<std::size_t>(infoSize);
    } else {
        Fail("unknown header size");
    }
    if (planes != 1)
        Fail("plane count is not 1");
    if (height < 0) {
        info.topDown = true;
        height = -height;
    }
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide ||
        width * height > std::min(maxPixels, kMaxPicturePixels))
        Fail("picture size out of range");
    info.width = static_cast<int>(width);
    info.height = static_cast<int>(height);

    switch (info.bpp) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: Fail("unsupported bit depth");
    }
    switch (info.compression) {
    case kBiRgb: break;
    case kBiRle8: if (info.bpp != 8) Fail("RLE8 needs 8 bits"); break;
    case kBiRle4: if (info.bpp != 4) Fail("RLE4 needs 4 bits"); break;
    case kBiBitfields:
    case kBiAlphaBitfields:
        if (info.bpp != 16 && info.bpp != 32)
            Fail("bit fields need 16 or 32 bits");
        break;
    default: Fail("unsupported compression");
    }

    if (info.compression == kBiBitfields || info.compression == kBiAlphaBitfields) {
        // Version 2 and later headers carry the masks; a plain 40-byte header
        // is followed by them.
        const std::size_t at = infoSize >= 52 ? 54 : afterHeader;
        info.red.Set(r.U32(at));
        info.green.Set(r.U32(at + 4));
        info.blue.Set(r.U32(at + 8));
        if (infoSize < 52)
            afterHeader += info.compression == kBiAlphaBitfields ? 16 : 12;
    } else if (info.bpp == 16) {
        info.red.Set(0x7C00);
        info.green.Set(0x03E0);
        info.blue.Set(0x001F);
    } else if (info.bpp == 32) {
        info.red.Set(0x00FF0000);
        info.green.Set(0x0000FF00);
        info.blue.Set(0x000000FF);
    }

    std::size_t paletteEnd = afterHeader;
    if (info.bpp <= 8) {
        const uint32_t maxColours = 1u << info.bpp;
        if (colours == 0 || colours > maxColours)
            colours = maxColours;
        const std::size_t avail = r.Size() > afterHeader ? (r.Size() - afterHeader) / paletteEntrySize : 0;
        if (avail == 0)
            Fail("palette missing");
        // A palette cut short by the pixel data: the entries present are used.
        colours = static_cast<uint32_t>(std::min<std::size_t>(colours, avail));
        for (uint32_t i = 0; i < colours; ++i) {
            const std::size_t at = afterHeader + i * paletteEntrySize;
            info.palette[i * 3] = r.U8(at);
            info.palette[i * 3 + 1] = r.U8(at + 1);
            info.palette[i * 3 + 2] = r.U8(at + 2);
        }
        paletteEnd = afterHeader + colours * paletteEntrySize;
    }
    // The declared data offset is trusted when it points past the header;
    // otherwise the data is taken to follow the palette.
    const uint32_t declared = r.U32(10);
    info.dataOffset = declared >= afterHeader && declared < r.Size() ? declared : paletteEnd;
    if (info.dataOffset >= r.Size())
        Fail("no pixel data");
    return info;
}

// Memory row of the file's n-th stored row.
uint8_t* RowOfStored(Bitmap& out, const BmpInfo& info, int n)
{
    return info.topDown ? out.ScanLine(n) : out.ScanLine(info.height - 1 - n);
}

void PutIndex(uint8_t* row, int x, const BmpInfo& info, unsigned index)
{
    std::memcpy(row + x * 3, &info.palette[index * 3], 3);
}

int64_t RowBytes(const BmpInfo& info)
{
    return (static_cast<int64_t>(info.width) * info.bpp + 31) / 32 * 4;
}

// Checked before any pixel memory is taken, so that a short file claiming a
// huge picture costs nothing.
void CheckUncompressedSize(const Reader& r, const BmpInfo& info)
{
    const int64_t lastRowBytes = (static_cast<int64_t>(info.width) * info.bpp + 7) / 8;
    // The padding of the last row may be missing; anything less is truncated.
    if (static_cast<int64_t>(info.dataOffset) + RowBytes(info) * (info.height - 1) + lastRowBytes >
        static_cast<int64_t>(r.Size()))
        Fail("pixel data truncated");
}

void DecodeUncompressed(const Reader& r, const BmpInfo& info, Bitmap& out)
{
    const int64_t rowBytes = RowBytes(info);
    const uint8_t* base = r.Data() + info.dataOffset;
    for (int n = 0; n < info.height; ++n) {
        const uint8_t* s = base + rowBytes * n;
        uint8_t* d = RowOfStored(out, info, n);
        switch (info.bpp) {
        case 1:
            for (int x = 0; x < info.width; ++x)
                PutIndex(d, x, info, (s[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            for (int x = 0; x < info.width; ++x)
                PutIndex(d, x, info, (s[x >> 1] >> ((x & 1) ? 0 : 4)) & 15);
            break;
        case 8:
            for (int x = 0; x < info.width; ++x)
                PutIndex(d, x, info, s[x]);
            break;
        case 16:
            for (int x = 0; x < info.width; ++x) {
                const uint32_t px = s[x * 2] | s[x * 2 + 1] << 8;
                d[x * 3] = info.blue.Extract(px);
                d[x * 3 + 1] = info.green.Extract(px);
                d[x * 3 + 2] = info.red.Extract(px);
            }
            break;
        case 24:
            std::memcpy(d, s, static_cast<std::size_t>(info.width) * 3);
            break;
        case 32:
            if (info.compression == kBiRgb) {
                for (int x = 0; x < info.width; ++x)
                    std::memcpy(d + x * 3, s + x * 4, 3);
            } else {
                for (int x = 0; x < info.width; ++x) {
                    uint32_t px;
                    std::memcpy(&px, s + x * 4, 4);
                    d[x * 3] = info.blue.Extract(px);
                    d[x * 3 + 1] = info.green.Extract(px);
                    d[x * 3 + 2] = info.red.Extract(px);
                }
            }
            break;
        }
    }
}

// RLE8 and RLE4. Pixels the stream skips (deltas, early line ends) stay black.
// A stream that ends before the picture is complete is truncated.
void DecodeRle(const Reader& r, const BmpInfo& info, Bitmap& out)
{
    const bool four = info.compression == kBiRle4;
    const uint8_t* d = r.Data();
    std::size_t p = info.dataOffset;
    const std::size_t end = r.Size();
    int64_t x = 0, y = 0;
    auto put = [&](unsigned index) {
        if (x < info.width && y < info.height)
            PutIndex(RowOfStored(out, info, static_cast<int>(y)), static_cast<int>(x), info, index);
        ++x;
    };
    while (y < info.height) {
        if (end - p < 2)
            Fail("compressed data truncated");
        const unsigned n = d[p], c = d[p + 1];
        p += 2;
        if (n > 0) {
            for (unsigned k = 0; k < n && x < info.width; ++k)
                put(four ? ((k & 1) ? c & 15 : c >> 4) : c);
        } else if (c == 0) {
            x = 0;
            ++y;
        } else if (c == 1) {
            return;
        } else if (c == 2) {
            if (end - p < 2)
                Fail("compressed data truncated");
            x += d[p];
            y += d[p + 1];
            p += 2;
        } else {
            std::size_t bytes = four ? (c + 1) / 2 : c;
            bytes += bytes & 1;
            if (end - p < bytes)
                Fail("compressed data truncated");
            for (unsigned k = 0; k < c; ++k) {
                const unsigned v = four ? ((k & 1) ? d[p + k / 2] & 15 : d[p + k / 2] >> 4) : d[p + k];
                if (x >= info.width)
                    break;
                put(v);
            }
            p += bytes;
        }
    }
}

void ToGreyLuminance(const Bitmap& colour, Bitmap& grey)
{
    grey = Bitmap(colour.Width(), colour.Height(), PixelFormat::Gray8);
    for (int y = 0; y < colour.Height(); ++y) {
        const uint8_t* s = colour.ScanLine(y);
        uint8_t* d = grey.ScanLine(y);
        for (int x = 0; x < colour.Width(); ++x, s += 3)
            d[x] = static_cast<uint8_t>((s[0] * 11 + s[1] * 59 + s[2] * 30 + 50) / 100);
    }
}

void PutU16(std::string& s, std::size_t at, uint32_t v)
{
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void PutU32(std::string& s, std::size_t at, uint32_t v)
{
    PutU16(s, at, v & 0xFFFF);
    PutU16(s, at + 2, v >> 16);
}

}  // namespace

void DecodeBmp(std::string_view bytes, Bitmap& out, PixelFormat format, long long maxPixels)
{
    const Reader r(bytes);
    const BmpInfo info = ParseHeaders(r, maxPixels);
    const bool rle = info.compression == kBiRle8 || info.compression == kBiRle4;
    if (!rle)
        CheckUncompressedSize(r, info);
    Bitmap colour(info.width, info.height, PixelFormat::Bgr24);
    if (rle)
        DecodeRle(r, info, colour);
    else
        DecodeUncompressed(r, info, colour);
    if (format == PixelFormat::Gray8) {
        ToGreyLuminance(colour, out);
    } else {
        if (format == PixelFormat::Bgrx32)
            colour.SetFormat(PixelFormat::Bgrx32);
        out = std::move(colour);
    }
}

std::string EncodeBmp(const Bitmap& bitmap)
{
    const bool grey = bitmap.Format() == PixelFormat::Gray8;
    const int w = bitmap.Width(), h = bitmap.Height();
    const int bpp = grey ? 8 : 24;
    const uint32_t stride = static_cast<uint32_t>(RowStride(w, grey ? PixelFormat::Gray8 : PixelFormat::Bgr24));
    const uint32_t paletteBytes = grey ? 1024 : 0;
    const uint32_t offset = 14 + 40 + paletteBytes;
    const uint32_t imageSize = stride * static_cast<uint32_t>(h);
    std::string s(offset + imageSize, '\0');
    s[0] = 'B';
    s[1] = 'M';
    PutU32(s, 2, offset + imageSize);
    PutU32(s, 10, offset);
    PutU32(s, 14, 40);
    PutU32(s, 18, static_cast<uint32_t>(w));
    PutU32(s, 22, static_cast<uint32_t>(h));
    PutU16(s, 26, 1);
    PutU16(s, 28, static_cast<uint32_t>(bpp));
    PutU32(s, 34, imageSize);
    PutU32(s, 38, 2835);  // 72 dpi
    PutU32(s, 42, 2835);
    if (grey) {
        PutU32(s, 46, 256);
        for (uint32_t i = 0; i < 256; ++i)
            PutU32(s, 54 + i * 4, i | i << 8 | i << 16);
    }
    for (int n = 0; n < h; ++n) {
        char* d = s.data() + offset + static_cast<std::size_t>(stride) * n;
        const uint8_t* src = bitmap.ScanLine(h - 1 - n);
        if (bitmap.Format() == PixelFormat::Bgrx32) {
            for (int x = 0; x < w; ++x)
                std::memcpy(d + x * 3, src + x * 4, 3);
        } else {
            std::memcpy(d, src, static_cast<std::size_t>(w) * (grey ? 1 : 3));
        }
    }
    return s;
}

void RepairBmpSizeField(std::string& bytes)
{
    if (bytes.size() < 38)
        return;
    const Reader r(bytes);
    if (r.U16(28) != 24)
        return;
    // Only the low 32 bits of the product are stored, so it is formed in
    // unsigned arithmetic, where wrapping is defined: the width and height
    // come from the file and may be anything, near -2e9 included.
    const uint32_t width = r.U32(18), height = r.U32(22);
    const uint32_t size = (width * 3u + (width & 3u)) * height;
    PutU32(bytes, 34, size);
}

void LoadCorrectBitmap(Bitmap& target, std::string_view fileName)
{
    std::string bytes;
    const std::filesystem::path file = NativePath(fileName);
    if (!ReadWholeFile(file, bytes))
        throw EInvalidGraphic("Cannot read the picture file " + std::string(fileName));
    NotePictureRead(file);
    RepairBmpSizeField(bytes);
    DecodeBmp(bytes, target, PixelFormat::Bgr24);
}
