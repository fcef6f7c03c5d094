// Conversion and linear filtering; the inner loops are written over plain
// arrays so the compiler vectorises them.
#include "platform/FrameScaler.h"

#include <algorithm>
#include <cstring>

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
#endif

void BgrToBgra(const uint8_t* src, uint8_t* dst, int count)
{
#ifdef SZEPTACZKI_X86
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    if (ssse3) {
        BgrToBgraSsse3(src, dst, count);
        return;
    }
#endif
    BgrToBgraScalar(src, dst, count);
}

// Filtered rows hold each channel times 128 (at most 32640), so that they
// fit the signed 16-bit lanes of the multiply-add instructions; the alpha
// lane holds 255 times 128 and comes out as 255.
constexpr int16_t kOpaqueLane = 255 * 128;

void BlendRows(const int16_t* a, const int16_t* b, uint8_t* out, int lanes, int weight)
{
    const int keep = 256 - weight;
    int i = 0;
#ifdef SZEPTACZKI_X86
    const __m128i weights = _mm_set1_epi32(keep | weight << 16);
    const __m128i half = _mm_set1_epi32(1 << 14);
    for (; i + 16 <= lanes; i += 16) {
        __m128i sums[4];
        for (int k = 0; k < 2; ++k) {
            const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i + 8 * k));
            const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i + 8 * k));
            sums[2 * k] = _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi16(va, vb), weights), half), 15);
            sums[2 * k + 1] =
                _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(_mm_unpackhi_epi16(va, vb), weights), half), 15);
        }
        const __m128i low = _mm_packs_epi32(sums[0], sums[1]);
        const __m128i high = _mm_packs_epi32(sums[2], sums[3]);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, high));
    }
#endif
    for (; i < lanes; ++i)
        out[i] = static_cast<uint8_t>((a[i] * keep + b[i] * weight + (1 << 14)) >> 15);
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
    const TRect pic = view.Picture();
    const TRect s = r.Offset(-pic.left, -pic.top).Intersect(screen.Bounds());
    for (int y = s.top; y < s.bottom; ++y)
        BgrToBgra(screen.ScanLine(y) + s.left * 3, target.Row(y + pic.top) + (s.left + pic.left) * 4, s.Width());
}

void FrameScaler::FilterRow(const uint8_t* src, int16_t* out) const
{
    std::size_t k = 0;
#ifdef SZEPTACZKI_X86
    // Four bytes are read per pixel: the columns whose neighbour ends the row go below.
    const __m128i keepAlpha = _mm_setr_epi16(-1, -1, -1, 0, 0, 0, 0, 0);
    const __m128i opaque = _mm_setr_epi16(0, 0, 0, kOpaqueLane, 0, 0, 0, 0);
    const __m128i zero = _mm_setzero_si128();
    for (; k < wideColumns_; ++k) {
        const Column& c = columns_[k];
        int32_t left, right;
        std::memcpy(&left, src + c.offset, 4);
        std::memcpy(&right, src + c.offset + c.step, 4);
        const __m128i pair = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(left), zero),
                                                _mm_unpacklo_epi8(_mm_cvtsi32_si128(right), zero));
        const __m128i sum = _mm_srai_epi32(_mm_madd_epi16(pair, _mm_set1_epi32((256 - c.weight) | c.weight << 16)), 1);
        const __m128i lanes = _mm_or_si128(_mm_and_si128(_mm_packs_epi32(sum, sum), keepAlpha), opaque);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 4 * k), lanes);
    }
#endif
    for (; k < columns_.size(); ++k) {
        const Column& c = columns_[k];
        const uint8_t* p = src + c.offset;
        const int w = c.weight, keep = 256 - w;
        int16_t* o = out + 4 * k;
        o[0] = static_cast<int16_t>((p[0] * keep + p[c.step] * w) >> 1);
        o[1] = static_cast<int16_t>((p[1] * keep + p[c.step + 1] * w) >> 1);
        o[2] = static_cast<int16_t>((p[2] * keep + p[c.step + 2] * w) >> 1);
        o[3] = kOpaqueLane;
    }
}

void FrameScaler::Scale(const Bitmap& screen, const ScaledView& view, const TRect& r, const PixelTarget& target)
{
    const TRect pic = view.Picture();
    const int sw = screen.Width(), sh = screen.Height();
    columns_.resize(static_cast<std::size_t>(r.Width()));
    wideColumns_ = 0;
    for (int x = r.left; x < r.right; ++x) {
        const Sample s = SampleAt(x - pic.left, sw, pic.Width());
        const Column c{s.index * 3, (s.next - s.index) * 3, s.weight};
        columns_[static_cast<std::size_t>(x - r.left)] = c;
        // Columns come in source order: once one may not read four bytes, none after it may.
        if (c.offset + c.step + 4 <= sw * 3 && wideColumns_ == static_cast<std::size_t>(x - r.left))
            wideColumns_ = static_cast<std::size_t>(x - r.left) + 1;
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
            FilterRow(screen.ScanLine(s.index), rows_[0].data());
            rowOf_[0] = s.index;
        }
        if (rowOf_[1] != s.next) {
            FilterRow(screen.ScanLine(s.next), rows_[1].data());
            rowOf_[1] = s.next;
        }
        BlendRows(rows_[0].data(), rows_[1].data(), target.Row(y) + r.left * 4, lanes, s.weight);
    }
}
