// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion and linear filtering: the sampling positions here, the row
// kernels in ScaleRows.
#include "platform/FrameScaler.h"

#include <algorithm>
#include <cstring>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SZEPTACZKI_X86 1
#endif

namespace {

// Where window pixel j (counted from the picture's edge) samples the source,
// in 1/256 source pixels: pixel centres line up, as in any linear filter.
int64_t SamplePosition(int j, int sourceSize, int pictureSize)
{
    return ((2 * static_cast<int64_t>(j) + 1) * sourceSize * 256 - static_cast<int64_t>(pictureSize) * 256) /
           (2 * static_cast<int64_t>(pictureSize));
}

struct Sample {
    int index;
    int next;
    int weight;
};

Sample SampleAt(int j, int sourceSize, int pictureSize)
{
    const int64_t u = SamplePosition(j, sourceSize, pictureSize);
    if (u <= 0)
        return {0, 0, 0};
    const int index = static_cast<int>(u >> 8);
    if (index >= sourceSize - 1)
        return {sourceSize - 1, sourceSize - 1, 0};
    return {index, index + 1, static_cast<int>(u & 255)};
}

void BgrToBgraScalar(const uint8_t* __restrict src, uint8_t* __restrict dst, int count)
{
    for (int i = 0; i < count; ++i) {
        dst[4 * i] = src[3 * i];
        dst[4 * i + 1] = src[3 * i + 1];
        dst[4 * i + 2] = src[3 * i + 2];
        dst[4 * i + 3] = 255;
    }
}

#ifdef SZEPTACZKI_X86
// Four pixels per step: twelve bytes spread to sixteen with one shuffle.
__attribute__((target("ssse3"))) void BgrToBgraSsse3(const uint8_t* src, uint8_t* dst, int count)
{
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int i = 0;
    // Each load reads sixteen bytes for twelve: stop while four spare ones remain.
    for (; i + 6 <= count; i += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 3 * i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 4 * i), _mm_or_si128(_mm_shuffle_epi8(v, spread), opaque));
    }
    BgrToBgraScalar(src + 3 * i, dst + 4 * i, count - i);
}

// Sixteen pixels per step: each 128-bit lane spreads twelve bytes, as above.
__attribute__((target("avx2"))) void BgrToBgraAvx2(const uint8_t* src, uint8_t* dst, int count)
{
    const __m256i spread = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1,  //
                                            0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    auto load = [](const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
    int i = 0;
    // The last load reads four bytes past the sixteenth pixel: stop while two pixels remain.
    for (; i + 18 <= count; i += 16) {
        const uint8_t* s = src + 3 * i;
        const __m256i a = _mm256_inserti128_si256(_mm256_castsi128_si256(load(s)), load(s + 12), 1);
        const __m256i b = _mm256_inserti128_si256(_mm256_castsi128_si256(load(s + 24)), load(s + 36), 1);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + 4 * i), _mm256_or_si256(_mm256_shuffle_epi8(a, spread), opaque));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + 4 * i + 32),
                            _mm256_or_si256(_mm256_shuffle_epi8(b, spread), opaque));
    }
    BgrToBgraSsse3(src + 3 * i, dst + 4 * i, count - i);
}
#endif

void BgrToBgra(const uint8_t* src, uint8_t* dst, int count)
{
#ifdef SZEPTACZKI_X86
    static const bool avx2 = __builtin_cpu_supports("avx2");
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    if (avx2) {
        BgrToBgraAvx2(src, dst, count);
        return;
    }
    if (ssse3) {
        BgrToBgraSsse3(src, dst, count);
        return;
    }
#endif
    BgrToBgraScalar(src, dst, count);
}

}  // namespace

void FrameScaler::Render(const Bitmap& screen, const ScaledView& view, const TRect& windowRect,
                         const PixelTarget& target)
{
    const TRect r = windowRect.Intersect(view.Picture());
    if (r.IsEmpty() || screen.Empty())
        return;
    if (view.Scaled())
        Scale(screen, view, r, target);
    else
        Convert(screen, view, r, target);
}

void FrameScaler::Convert(const Bitmap& screen, const ScaledView& view, const TRect& r, const PixelTarget& target)
{
    // The screen is a picture whose pixel (0, 0) is the screen's.
    const TRect pic = view.Picture();
    ConvertPicture(screen, {0, 0}, view, r.Offset(-pic.left, -pic.top), target);
}

void FrameScaler::ConvertPicture(const Bitmap& picture, TPoint origin, const ScaledView& view, const TRect& screenRect,
                                 const PixelTarget& target)
{
    const TRect pic = view.Picture();
    const TRect inScreen = screenRect.Intersect({0, 0, pic.Width(), pic.Height()});
    const TRect s = inScreen.Offset(-origin.x, -origin.y).Intersect(picture.Bounds());
    for (int y = s.top; y < s.bottom; ++y)
        BgrToBgra(picture.ScanLine(y) + s.left * 3,
                  target.Row(y + origin.y + pic.top) + (s.left + origin.x + pic.left) * 4, s.Width());
}

void FrameScaler::Scale(const Bitmap& screen, const ScaledView& view, const TRect& r, const PixelTarget& target)
{
    const TRect pic = view.Picture();
    const int sw = screen.Width(), sh = screen.Height();
    // Window columns are counted from the picture's edge: a moved picture still matches.
    const int left = r.left - pic.left, right = r.right - pic.left;
    if (left != columnsLeft_ || right != columnsRight_ || pic.Width() != columnsPicture_ || sw != columnsSource_) {
        std::vector<ScaleColumn> columns(static_cast<std::size_t>(r.Width()));
        for (int x = left; x < right; ++x) {
            const Sample s = SampleAt(x, sw, pic.Width());
            columns[static_cast<std::size_t>(x - left)] = {s.index * 3, (s.next - s.index) * 3, s.weight};
        }
        columns_.Assign(std::move(columns), sw * 3);
        columnsLeft_ = left;
        columnsRight_ = right;
        columnsPicture_ = pic.Width();
        columnsSource_ = sw;
    }
    const int lanes = r.Width() * 4;
    for (auto& row : rows_)
        row.resize(static_cast<std::size_t>(lanes));
    rowOf_[0] = rowOf_[1] = -1;
    for (int y = r.top; y < r.bottom; ++y) {
        const Sample s = SampleAt(y - pic.top, sh, pic.Height());
        // Going down, the upper row is usually the lower row of the line before.
        if (rowOf_[1] == s.index) {
            std::swap(rows_[0], rows_[1]);
            std::swap(rowOf_[0], rowOf_[1]);
        }
        if (rowOf_[0] != s.index) {
            FilterScaledRow(columns_, screen.ScanLine(s.index), rows_[0].data());
            rowOf_[0] = s.index;
        }
        if (rowOf_[1] != s.next) {
            FilterScaledRow(columns_, screen.ScanLine(s.next), rows_[1].data());
            rowOf_[1] = s.next;
        }
        BlendScaledRows(rows_[0].data(), rows_[1].data(), target.Row(y) + r.left * 4, lanes, s.weight);
    }
}
