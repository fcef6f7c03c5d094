// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Bilinear and area-averaging scaling on raw rows. Both filters are separable
// into integer sums: the bilinear one filters source rows horizontally and
// combines two such rows; the area average either filters each source row
// horizontally and sums a target row's filtered rows, or sums a target row's
// source rows and then that sum's columns (whichever suits the sizes, in 16
// bits where the weights reduced by the sizes' common divisor allow). Each
// divides once per channel. The sums equal the two-dimensional formulas
// exactly, so the results are the integer quotients of those formulas.
#include "graphics/StretchBitmap.h"

#include "graphics/ExactDivider.h"

#include <immintrin.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <type_traits>

namespace {

bool HaveAvx2()
{
    static const bool have = __builtin_cpu_supports("avx2");
    return have;
}

// out[i] = (top[i] * wt + bottom[i] * wb) / divider, all sums below 2^32.
void CombineRowsScalar(const uint32_t* top, const uint32_t* bottom, uint32_t wt, uint32_t wb, int n,
                       const ExactDivider& div, uint8_t* out)
{
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<uint8_t>(div(top[i] * wt + bottom[i] * wb));
}

__attribute__((target("avx2"))) void CombineRowsAvx2(const uint32_t* top, const uint32_t* bottom, uint32_t wt,
                                                     uint32_t wb, int n, const ExactDivider& div, uint8_t* out)
{
    const __m256i vwt = _mm256_set1_epi32(static_cast<int>(wt));
    const __m256i vwb = _mm256_set1_epi32(static_cast<int>(wb));
    const __m256i magic = _mm256_set1_epi64x(div.Magic());
    const __m128i shift = _mm_cvtsi32_si128(div.Shift());
    const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
    int i = 0;
    for (; i + 16 <= n; i += 16) {
        __m256i q[2];
        for (int h = 0; h < 2; ++h) {
            const __m256i t = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(top + i + h * 8));
            const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bottom + i + h * 8));
            const __m256i s = _mm256_add_epi32(_mm256_mullo_epi32(t, vwt), _mm256_mullo_epi32(b, vwb));
            const __m256i even = _mm256_srl_epi64(_mm256_mul_epu32(s, magic), shift);
            const __m256i odd = _mm256_srl_epi64(_mm256_mul_epu32(_mm256_srli_epi64(s, 32), magic), shift);
            q[h] = _mm256_or_si256(even, _mm256_slli_epi64(odd, 32));
        }
        // Quotients are at most 255: pack to bytes, then undo the lane interleave.
        const __m256i w16 = _mm256_packus_epi32(q[0], q[1]);
        const __m256i w8 = _mm256_packus_epi16(w16, w16);
        const __m256i fixed = _mm256_permutevar8x32_epi32(w8, order);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm256_castsi256_si128(fixed));
    }
    CombineRowsScalar(top + i, bottom + i, wt, wb, n - i, div, out + i);
}

void CombineRows(const uint32_t* top, const uint32_t* bottom, uint32_t wt, uint32_t wb, int n,
                 const ExactDivider& div, uint8_t* out)
{
    if (div.Fits32() && HaveAvx2())
        CombineRowsAvx2(top, bottom, wt, wb, n, div, out);
    else
        CombineRowsScalar(top, bottom, wt, wb, n, div, out);
}

// A source row filtered horizontally: per target column and channel the sum
// left * wl + right * wr, weights out of the common divisor.
struct HorizontalTap {
    int offset;  // byte offset of the left pixel
    uint32_t wl;
    uint32_t wr;
};

template <typename Sum>
void FilterRow(const uint8_t* src, const std::vector<HorizontalTap>& taps, Sum* out)
{
    for (const HorizontalTap& t : taps) {
        const uint8_t* p = src + t.offset;
        out[0] = static_cast<Sum>(p[0] * t.wl + p[3] * t.wr);
        out[1] = static_cast<Sum>(p[1] * t.wl + p[4] * t.wr);
        out[2] = static_cast<Sum>(p[2] * t.wl + p[5] * t.wr);
        out += 3;
    }
}

// The horizontal pass for two target pixels at a time: their two source
// pixels each lie within sixteen bytes of the first one's left pixel (the
// filter never skips more than a pixel between neighbours), so one shuffle
// puts each channel's left and right bytes side by side and one multiply-add
// per 16-bit pair gives the six sums, exactly.
class PairedRowFilter {
public:
    // False where the taps do not allow it (then FilterRow does the work).
    bool Make(const std::vector<HorizontalTap>& taps, int sourceBytes)
    {
        const std::size_t pairs = taps.size() / 2;
        bases_.clear();
        masks_.assign(pairs * 16, 0x80);
        weights_.assign(pairs * 16, 0);
        for (std::size_t k = 0; k < pairs; ++k) {
            const int base = taps[2 * k].offset;
            // The last pairs of a row may not read sixteen bytes: done one by one.
            if (base + 16 > sourceBytes)
                break;
            for (int a = 0; a < 2; ++a) {
                const HorizontalTap& t = taps[2 * k + static_cast<std::size_t>(a)];
                const int rel = t.offset - base;
                if (rel < 0 || rel + 5 > 15 || t.wl > 32767 || t.wr > 32767)
                    return false;
                for (int c = 0; c < 3; ++c) {
                    const std::size_t at = k * 16 + static_cast<std::size_t>(a * 6 + c * 2);
                    masks_[at] = static_cast<uint8_t>(rel + c);
                    masks_[at + 1] = static_cast<uint8_t>(rel + c + 3);
                    weights_[at] = static_cast<int16_t>(t.wl);
                    weights_[at + 1] = static_cast<int16_t>(t.wr);
                }
            }
            bases_.push_back(base);
        }
        return true;
    }

    // Target pixels done here (the rest is left to FilterRow).
    int Pixels() const { return static_cast<int>(bases_.size()) * 2; }

    // out must have room for two sums more than the pixels done.
    __attribute__((target("avx2"))) void Filter(const uint8_t* src, uint32_t* out) const
    {
        const uint8_t* mask = masks_.data();
        const int16_t* weight = weights_.data();
        for (const int base : bases_) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + base));
            const __m128i pairs = _mm_shuffle_epi8(v, _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask)));
            const __m256i wide = _mm256_cvtepu8_epi16(pairs);
            const __m256i w = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(weight));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), _mm256_madd_epi16(wide, w));
            mask += 16;
            weight += 16;
            out += 6;
        }
    }

private:
    std::vector<int> bases_;
    std::vector<uint8_t> masks_;
    std::vector<int16_t> weights_;
};

// The weights of every tap brought to the common divisor 2 * targetSize (the
// edge taps have divisor 1), which leaves each quotient unchanged.
std::vector<BilinearTap> CommonDivisorTaps(int sourceSize, int targetSize)
{
    std::vector<BilinearTap> taps = BilinearTaps(sourceSize, targetSize);
    for (BilinearTap& t : taps) {
        const int scale = 2 * targetSize / t.divisor;
        t.weightFirst *= scale;
        t.weightNext *= scale;
        t.divisor = 2 * targetSize;
    }
    return taps;
}

void Bilinear(Bitmap& target, const Bitmap& source)
{
    const int tw = target.Width(), th = target.Height();
    const std::vector<BilinearTap> xs = CommonDivisorTaps(source.Width(), tw);
    const std::vector<BilinearTap> ys = CommonDivisorTaps(source.Height(), th);
    std::vector<HorizontalTap> htaps(tw);
    for (int i = 0; i < tw; ++i)
        htaps[i] = {xs[i].first * 3, static_cast<uint32_t>(xs[i].weightFirst), static_cast<uint32_t>(xs[i].weightNext)};
    const uint64_t divisor = static_cast<uint64_t>(2 * tw) * (2 * th);
    const uint64_t maxSum = 255 * divisor;
    const ExactDivider div(divisor, maxSum);
    const int n = tw * 3;

    if (maxSum <= 0xFFFFFFFFu) {
        PairedRowFilter paired;
        const bool usePaired = HaveAvx2() && paired.Make(htaps, source.Width() * 3);
        const int pairedPixels = usePaired ? paired.Pixels() : 0;
        const std::vector<HorizontalTap> rest(htaps.begin() + pairedPixels, htaps.end());
        auto filter = [&](int y, uint32_t* out) {
            const uint8_t* row = source.ScanLine(y);
            if (usePaired)
                paired.Filter(row, out);
            FilterRow(row, rest, out + pairedPixels * 3);
        };
        // Two filtered source rows, reused while consecutive target rows
        // fall between the same source rows; two sums of room after each.
        std::vector<uint32_t> rowA(n + 2), rowB(n + 2);
        uint32_t* top = rowA.data();
        uint32_t* bottom = rowB.data();
        int topIndex = -1, bottomIndex = -1;
        for (int j = 0; j < th; ++j) {
            const BilinearTap& t = ys[j];
            const int want = t.first, wantNext = t.first + 1;
            if (topIndex != want) {
                if (bottomIndex == want) {
                    std::swap(top, bottom);
                    std::swap(topIndex, bottomIndex);
                } else {
                    filter(want, top);
                    topIndex = want;
                }
            }
            if (bottomIndex != wantNext) {
                filter(wantNext, bottom);
                bottomIndex = wantNext;
            }
            CombineRows(top, bottom, static_cast<uint32_t>(t.weightFirst), static_cast<uint32_t>(t.weightNext), n,
                        div, target.ScanLine(j));
        }
        return;
    }
    // Very large targets: the same in 64-bit sums.
    std::vector<uint64_t> top(n), bottom(n);
    for (int j = 0; j < th; ++j) {
        const BilinearTap& t = ys[j];
        FilterRow(source.ScanLine(t.first), htaps, top.data());
        FilterRow(source.ScanLine(t.first + 1), htaps, bottom.data());
        uint8_t* out = target.ScanLine(j);
        for (int i = 0; i < n; ++i)
            out[i] = static_cast<uint8_t>(div(top[i] * static_cast<uint64_t>(t.weightFirst) +
                                              bottom[i] * static_cast<uint64_t>(t.weightNext)));
    }
}

// acc[i] += row[i] * w for a row of bytes.
template <typename Sum>
void AccumulateBytes(Sum* acc, const uint8_t* row, Sum w, int n)
{
    for (int i = 0; i < n; ++i)
        acc[i] += row[i] * w;
}

// A row of column sums averaged horizontally: per target column and
// channel the weighted sum of the source columns it covers.
template <typename Sum>
void AreaRow(const Sum* src, const std::vector<AreaTap>& taps, Sum innerWeight, Sum* out)
{
    for (const AreaTap& t : taps) {
        const Sum* p = src + t.first * 3;
        Sum b = p[0] * t.weightFirst, g = p[1] * t.weightFirst, r = p[2] * t.weightFirst;
        Sum ib = 0, ig = 0, ir = 0;
        for (int c = t.first + 1; c < t.last; ++c) {
            p += 3;
            ib += p[0];
            ig += p[1];
            ir += p[2];
        }
        const Sum* l = src + t.last * 3;
        out[0] = b + ib * innerWeight + l[0] * t.weightLast;
        out[1] = g + ig * innerWeight + l[1] * t.weightLast;
        out[2] = r + ir * innerWeight + l[2] * t.weightLast;
        out += 3;
    }
}

// Eight bytes widened to eight 32-bit lanes.
__attribute__((target("avx2"))) inline __m256i LoadBytes8(const uint8_t* p)
{
    return _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)));
}

// The source rows of one target row summed with their weights in one pass:
// columns[i] = first[i] * wFirst + (inner rows' sum)[i] * wInner + last[i] * wLast.
// rows holds the first row, the inner ones and, when count > 1, the last.
__attribute__((target("avx2"))) void SumRowsAvx2(uint32_t* columns, const uint8_t* const* rows, int count,
                                                 uint32_t wFirst, uint32_t wInner, uint32_t wLast, int n)
{
    const __m256i vf = _mm256_set1_epi32(static_cast<int>(wFirst));
    const __m256i vi = _mm256_set1_epi32(static_cast<int>(wInner));
    const __m256i vl = _mm256_set1_epi32(static_cast<int>(wLast));
    const uint8_t* first = rows[0];
    const uint8_t* last = rows[count - 1];
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        __m256i sum = _mm256_mullo_epi32(LoadBytes8(first + i), vf);
        if (count > 1) {
            __m256i inner = _mm256_setzero_si256();
            for (int k = 1; k + 1 < count; ++k)
                inner = _mm256_add_epi32(inner, LoadBytes8(rows[k] + i));
            sum = _mm256_add_epi32(sum, _mm256_mullo_epi32(inner, vi));
            sum = _mm256_add_epi32(sum, _mm256_mullo_epi32(LoadBytes8(last + i), vl));
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(columns + i), sum);
    }
    for (; i < n; ++i) {
        uint32_t sum = first[i] * wFirst;
        if (count > 1) {
            uint32_t inner = 0;
            for (int k = 1; k + 1 < count; ++k)
                inner += rows[k][i];
            sum += inner * wInner + last[i] * wLast;
        }
        columns[i] = sum;
    }
}

// The horizontal pass with every tap padded to the same number of source
// columns (weight 0 past its last), so that each target pixel is a fixed
// run of multiply-adds on its three channels at once, with no branches.
// The most source cells one target cell covers.
int WidestArea(const std::vector<AreaTap>& taps)
{
    int span = 1;
    for (const AreaTap& t : taps)
        span = std::max(span, t.last - t.first + 1);
    return span;
}

class PaddedAreaRow {
public:
    PaddedAreaRow(const std::vector<AreaTap>& taps, uint32_t innerWeight) : span_(WidestArea(taps))
    {
        offsets_.reserve(taps.size());
        weights_.assign(taps.size() * static_cast<std::size_t>(span_), 0);
        for (std::size_t x = 0; x < taps.size(); ++x) {
            const AreaTap& t = taps[x];
            offsets_.push_back(t.first * 3);
            uint32_t* w = weights_.data() + x * static_cast<std::size_t>(span_);
            w[0] = static_cast<uint32_t>(t.weightFirst);
            for (int c = t.first + 1; c < t.last; ++c)
                w[c - t.first] = innerWeight;
            if (t.last != t.first)
                w[t.last - t.first] = static_cast<uint32_t>(t.weightLast);
        }
    }

    // Sums past the source row's end read by the padded taps: the row
    // buffer must have this many zeros after its sums.
    int Overrun() const { return span_ * 3 + 1; }

    // out must have room for one sum more than the target row.
    __attribute__((target("avx2"))) void Filter(const uint32_t* src, uint32_t* out) const
    {
        const uint32_t* w = weights_.data();
        for (const int offset : offsets_) {
            const uint32_t* p = src + offset;
            __m128i sum = _mm_mullo_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                                          _mm_set1_epi32(static_cast<int>(w[0])));
            for (int k = 1; k < span_; ++k) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 3 * k));
                sum = _mm_add_epi32(sum, _mm_mullo_epi32(v, _mm_set1_epi32(static_cast<int>(w[k]))));
            }
            // The next pixel's store overwrites the spare fourth lane.
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), sum);
            w += span_;
            out += 3;
        }
    }

private:
    int span_ = 1;
    std::vector<int> offsets_;
    std::vector<uint32_t> weights_;
};

// Area averaging in 16-bit lanes. The weights of each direction divided by
// gcd(source, target) leave every quotient unchanged: the sum and the divisor
// shrink by the same factor. For the usual sizes the reduced source sizes are
// small, so that a column of a target row's source rows, summed with its
// weights, fits 15 bits, and twice as many of them fit a vector.
struct ReducedTaps {
    std::vector<AreaTap> taps;
    int size = 0;    // the reduced source size: the weights of one tap add up to it
    int weight = 0;  // the reduced target size: an inner cell's weight
};

// The taps of count target cells over cells of a source of size s per
// target size d (the cells' first and last source cells depend on s / d only).
std::vector<AreaTap> AreaTapsOf(int64_t s, int64_t d, int count)
{
    std::vector<AreaTap> taps(std::max(count, 0));
    // j * s = q * d + r, stepped from one target cell to the next.
    const int64_t wholeStep = s / d, partStep = s % d;
    int64_t q = 0, r = 0;
    for (AreaTap& t : taps) {
        int64_t nq = q + wholeStep, nr = r + partStep;
        if (nr >= d) {
            ++nq;
            nr -= d;
        }
        // first = floor(j * s / d), last = floor(((j + 1) * s - 1) / d).
        const int64_t first = q, last = nr == 0 ? nq - 1 : nq;
        t.first = static_cast<int>(first);
        t.last = static_cast<int>(last);
        if (first == last) {
            t.weightFirst = static_cast<int>(s);
            t.weightLast = 0;
        } else {
            t.weightFirst = static_cast<int>(d - r);
            t.weightLast = static_cast<int>(nr == 0 ? d : nr);
        }
        q = nq;
        r = nr;
    }
    return taps;
}

ReducedTaps ReduceTaps(int sourceSize, int targetSize)
{
    const int g = std::gcd(sourceSize, targetSize);
    return {AreaTapsOf(sourceSize / g, targetSize / g, targetSize), sourceSize / g, targetSize / g};
}

// floor(n / d) for n <= 255 * d < 2^16 as the high half of a 16-bit product
// shifted right, where such a multiplier exists.
struct Divider16 {
    bool usable = false;
    uint16_t magic = 0;
    int shift = 0;  // after the high half

    explicit Divider16(uint32_t d)
    {
        const uint64_t maxN = 255ull * d;
        if (d == 0 || maxN > 0xFFFF)
            return;
        // With m = ceil(2^k / d) = (2^k + e) / d, n * m / 2^k = n / d + n * e / (d * 2^k):
        // the quotient stays exact while n * e < 2^k.
        for (int k = 16; k < 32; ++k) {
            const uint64_t m = ((1ull << k) + d - 1) / d;
            if (m > 0xFFFF)
                return;
            const uint64_t e = m * d - (1ull << k);
            if (maxN * e < (1ull << k)) {
                magic = static_cast<uint16_t>(m);
                shift = k - 16;
                usable = true;
                return;
            }
        }
    }
};

// The source rows of a target row summed with their weights into 16-bit
// column sums, two rows at a time: their bytes interleaved, one multiply-add
// of unsigned bytes by signed byte weights per pair. The weights of a target
// row add up to at most 128, so none exceeds 127 and no pair saturates;
// rows holds an even number of rows (a zero row with weight 0 makes it so).
__attribute__((target("avx2"))) void SumRowPairs(int16_t* columns, const uint8_t* const* rows,
                                                 const int16_t* pairWeights, int count, int n)
{
    int i = 0;
    for (; i + 32 <= n; i += 32) {
        __m256i lo = _mm256_setzero_si256(), hi = _mm256_setzero_si256();
        for (int k = 0; k < count; k += 2) {
            const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[k] + i));
            const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[k + 1] + i));
            const __m256i w = _mm256_set1_epi16(pairWeights[k / 2]);
            lo = _mm256_add_epi16(lo, _mm256_maddubs_epi16(_mm256_unpacklo_epi8(a, b), w));
            hi = _mm256_add_epi16(hi, _mm256_maddubs_epi16(_mm256_unpackhi_epi8(a, b), w));
        }
        // The unpacking works within 128-bit halves: put the columns back in order.
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(columns + i), _mm256_permute2x128_si256(lo, hi, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(columns + i + 16), _mm256_permute2x128_si256(lo, hi, 0x31));
    }
    for (; i < n; ++i) {
        int sum = 0;
        for (int k = 0; k < count; k += 2)
            sum += rows[k][i] * (pairWeights[k / 2] & 0xFF) + rows[k + 1][i] * (pairWeights[k / 2] >> 8);
        columns[i] = static_cast<int16_t>(sum);
    }
}

// The horizontal pass on 16-bit column sums, one target pixel per 128-bit
// half: a window of eight sums at the pixel's first column holds two source
// columns, one shuffle pairs each channel's two sums and one 16 x 16-bit
// multiply-add per pair gives the channel's weighted sum in 32 bits. Wider
// areas take one window per further two columns (weight 0 past the last).
class PairedAreaRow16 {
public:
    PairedAreaRow16(const std::vector<AreaTap>& taps, int innerWeight)
    {
        const int span = WidestArea(taps);
        windows_ = (span + 1) / 2;
        const std::size_t pairs = (taps.size() + 1) / 2;
        offsets_.assign(pairs * 2, 0);
        weights_.assign(pairs * static_cast<std::size_t>(windows_) * 16, 0);
        for (std::size_t x = 0; x < taps.size(); ++x) {
            const AreaTap& t = taps[x];
            offsets_[x] = t.first * 3;
            auto cellWeight = [&](int c) {
                if (c > t.last)
                    return 0;
                if (c == t.first)
                    return t.weightFirst;
                return c == t.last ? t.weightLast : innerWeight;
            };
            for (int w = 0; w < windows_; ++w) {
                int16_t* at = weights_.data() + ((x / 2) * static_cast<std::size_t>(windows_) + w) * 16 + (x % 2) * 8;
                const int left = cellWeight(t.first + 2 * w), right = cellWeight(t.first + 2 * w + 1);
                for (int c = 0; c < 3; ++c) {
                    at[c * 2] = static_cast<int16_t>(left);
                    at[c * 2 + 1] = static_cast<int16_t>(right);
                }
            }
        }
        // An odd last pixel is paired with a copy of itself of weight 0.
        if (taps.size() % 2)
            offsets_.back() = offsets_[taps.size() - 1];
    }

    // Sums past the source row's end read by the windows: the column buffer
    // must have this many zeros after its sums.
    int Overrun() const { return windows_ * 6 + 8; }

    // out must have room for four sums more than the target row.
    __attribute__((target("avx2"))) void Filter(const int16_t* src, uint32_t* out) const
    {
        const __m256i pairUp = _mm256_setr_epi8(0, 1, 6, 7, 2, 3, 8, 9, 4, 5, 10, 11, -1, -1, -1, -1, 0, 1, 6, 7, 2,
                                                3, 8, 9, 4, 5, 10, 11, -1, -1, -1, -1);
        const __m256i* w = reinterpret_cast<const __m256i*>(weights_.data());
        const std::size_t pairs = offsets_.size() / 2;
        for (std::size_t p = 0; p < pairs; ++p) {
            const int16_t* a = src + offsets_[2 * p];
            const int16_t* b = src + offsets_[2 * p + 1];
            __m256i sum = _mm256_setzero_si256();
            for (int k = 0; k < windows_; ++k) {
                const __m256i v = _mm256_inserti128_si256(
                    _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(a + 6 * k))),
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + 6 * k)), 1);
                sum = _mm256_add_epi32(sum, _mm256_madd_epi16(_mm256_shuffle_epi8(v, pairUp), _mm256_loadu_si256(w)));
                ++w;
            }
            // The second pixel's store overwrites the first one's spare lane.
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 6 * p), _mm256_castsi256_si128(sum));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 6 * p + 3), _mm256_extracti128_si256(sum, 1));
        }
    }

private:
    int windows_ = 1;
    std::vector<int> offsets_;
    std::vector<int16_t> weights_;
};

// The area average with reduced weights in 16-bit column sums; false (and
// nothing done) where the reduced sizes do not allow it.
bool AreaAverage16(Bitmap& target, const Bitmap& source, const ReducedTaps& xs, const ReducedTaps& ys)
{
    const int tw = target.Width(), th = target.Height();
    // Column sums up to 255 * ys.size must be positive 16-bit numbers for
    // the signed multiply-add, and so must the horizontal weights.
    if (ys.size > 128 || xs.size > 32767)
        return false;
    const uint64_t divisor = static_cast<uint64_t>(xs.size) * ys.size;
    const ExactDivider div(divisor, 255 * divisor);
    const int n = tw * 3, sn = source.Width() * 3;
    const PairedAreaRow16 across(xs.taps, xs.weight);
    std::vector<int16_t> columns(static_cast<std::size_t>(sn + across.Overrun()), 0);
    std::vector<uint32_t> row(static_cast<std::size_t>(n + 4));
    const std::vector<uint8_t> zeros(static_cast<std::size_t>(sn), 0);
    std::vector<const uint8_t*> rows;
    std::vector<int16_t> weights;
    for (int j = 0; j < th; ++j) {
        const AreaTap& t = ys.taps[j];
        rows.clear();
        weights.clear();
        for (int y = t.first; y <= t.last; ++y) {
            rows.push_back(source.ScanLine(y));
            weights.push_back(static_cast<int16_t>(y == t.first ? t.weightFirst : y == t.last ? t.weightLast : ys.weight));
        }
        if (rows.size() % 2) {
            rows.push_back(zeros.data());
            weights.push_back(0);
        }
        for (std::size_t k = 0; k < weights.size(); k += 2)
            weights[k / 2] = static_cast<int16_t>(weights[k] | weights[k + 1] << 8);
        SumRowPairs(columns.data(), rows.data(), weights.data(), static_cast<int>(rows.size()), sn);
        across.Filter(columns.data(), row.data());
        CombineRows(row.data(), row.data(), 1, 0, n, div, target.ScanLine(j));
    }
    return true;
}


// The horizontal pass on the bytes of a source row for areas up to five
// columns wide: each 128-bit half takes one or two neighbouring target
// pixels whose source bytes lie within sixteen bytes, a shuffle per pair of
// taps lines up each channel's two bytes and one multiply-add of unsigned
// bytes by signed byte weights gives their 16-bit sum. The weights are at
// most 64, so no pair saturates; the sums of the pairs of taps wrap around
// in 16 bits, which is exact as long as the whole sum fits.
class ByteAreaRow {
public:
    // Streams: pairs of taps per pixel. Not usable (Streams() == 0) where
    // an area is wider than a window or a weight too large to pair.
    ByteAreaRow(const std::vector<AreaTap>& taps, int innerWeight)
    {
        const int span = WidestArea(taps);
        if (span > 5 || innerWeight > 64)
            return;
        streams_ = (span + 1) / 2;
        const int count = static_cast<int>(taps.size());
        pixels_ = count;
        // Where the pattern of taps repeats every two or four target pixels
        // (the reduced target size divides that) and the halves take one or
        // two pixels alike, all groups of two halves but the last are alike:
        // one set of masks and weights held in registers serves them.
        x0_ = 0;
        const int g = count >= 2 ? GroupAt(taps, 0) : 0;
        if (count >= 2 * g && g > 0 && (2 * g) % innerWeight == 0 && GroupAt(taps, g) == g) {
            uniformPixels_ = g;
            for (int h = 0; h < 2; ++h)
                for (int s = 0; s < streams_; ++s)
                    MakeHalf(taps, h * g, g, s, innerWeight, uniformMasks_ + (s * 2 + h) * 16,
                             uniformWeights_ + (s * 2 + h) * 16);
            uniformStep_ = count > 2 * g ? (taps[2 * g].first - taps[0].first) * 3 : 0;
            uniformSecond_ = (taps[g].first - taps[0].first) * 3;
            // The one-load form: the first half's bytes must fit below the second's.
            const int firstBytes = (taps[g - 1].last + 1 - taps[0].first) * 3;
            uniformLead_ = uniformSecond_ <= 16 && firstBytes <= uniformSecond_ && uniformStep_ >= 16 - uniformSecond_
                               ? 16 - uniformSecond_
                               : -1;
            std::memcpy(shiftedMasks_, uniformMasks_, sizeof shiftedMasks_);
            for (int s = 0; s < streams_ && uniformLead_ > 0; ++s)
                for (int i = 0; i < 16; ++i)
                    if (shiftedMasks_[s * 32 + i] != 0x80)
                        shiftedMasks_[s * 32 + i] = static_cast<uint8_t>(shiftedMasks_[s * 32 + i] + uniformLead_);
            x0_ = count / (2 * g) * (2 * g);
        }
        std::vector<Lane> lanes;
        std::vector<uint8_t> masks;
        std::vector<int8_t> weights;
        for (int x = x0_; x < count;) {
            const int group = GroupAt(taps, x);
            lanes.push_back({taps[x].first * 3, x * 3});
            for (int s = 0; s < streams_; ++s) {
                masks.resize(masks.size() + 16);
                weights.resize(weights.size() + 16);
                MakeHalf(taps, x, group, s, innerWeight, masks.data() + masks.size() - 16,
                         weights.data() + weights.size() - 16);
            }
            x += group;
        }
        // An odd last half repeats the one before it.
        if (lanes.size() % 2) {
            lanes.push_back(lanes.back());
            masks.insert(masks.end(), masks.end() - 16 * streams_, masks.end());
            weights.insert(weights.end(), weights.end() - 16 * streams_, weights.end());
        }
        // Pairs of halves, the masks and weights of a pair side by side.
        const std::size_t pairs = lanes.size() / 2;
        lanes_ = lanes;
        masks_.resize(masks.size());
        weights_.resize(weights.size());
        for (std::size_t p = 0; p < pairs; ++p)
            for (int s = 0; s < streams_; ++s)
                for (int h = 0; h < 2; ++h) {
                    const std::size_t from = ((2 * p + h) * streams_ + s) * 16;
                    const std::size_t to = ((p * streams_ + s) * 2 + h) * 16;
                    std::memcpy(&masks_[to], &masks[from], 16);
                    std::memcpy(&weights_[to], &weights[from], 16);
                }
    }

    int Streams() const { return streams_; }
    // Most pixels in the alike groups or two to a half (wider areas one to
    // a half go faster summed vertically first).
    bool Quick() const { return 2 * x0_ >= pixels_ || 4 * static_cast<int>(lanes_.size()) <= 3 * (pixels_ - x0_); }

    // The windows read up to Overrun() bytes past the row's end (the bytes
    // there are not used); out must have room for eight sums more than the
    // target row.
    static constexpr int Overrun() { return 16; }
    void Filter(const uint8_t* src, int16_t* out) const
    {
        switch (streams_) {
        case 1:
            Run<1>(src, out);
            break;
        case 2:
            Run<2>(src, out);
            break;
        default:
            Run<3>(src, out);
            break;
        }
    }

private:
    struct Lane {
        int source;  // byte offset of the window
        int out;     // index of the first sum
    };

    // Two pixels share a half where all their bytes fit its window.
    static int GroupAt(const std::vector<AreaTap>& taps, int x)
    {
        const int count = static_cast<int>(taps.size());
        return x + 1 < count && (taps[x + 1].last + 1 - taps[x].first) * 3 <= 16 ? 2 : 1;
    }

    // The shuffle and the weights of taps 2s and 2s + 1 of the group of
    // pixels starting at x, relative to the first one's first byte.
    static void MakeHalf(const std::vector<AreaTap>& taps, int x, int group, int s, int innerWeight, uint8_t* mask,
                         int8_t* weight)
    {
        std::memset(mask, 0x80, 16);
        std::memset(weight, 0, 16);
        const int base = taps[x].first * 3;
        for (int g = 0; g < group; ++g) {
            const AreaTap& t = taps[x + g];
            for (int h = 0; h < 2; ++h) {
                const int cell = t.first + 2 * s + h;
                const int w = cell > t.last ? 0
                              : cell == t.first ? t.weightFirst
                              : cell == t.last  ? t.weightLast
                                                : innerWeight;
                for (int c = 0; w != 0 && c < 3; ++c) {
                    const int at = (g * 3 + c) * 2 + h;
                    mask[at] = static_cast<uint8_t>(cell * 3 + c - base);
                    weight[at] = static_cast<int8_t>(w);
                }
            }
        }
    }

    template <int Streams>
    void Run(const uint8_t* src, int16_t* out) const
    {
        if (uniformPixels_ == 2)
            Uniform<Streams, 2>(src, static_cast<std::size_t>(x0_ / 4), out);
        else if (uniformPixels_ == 1)
            Uniform<Streams, 1>(src, static_cast<std::size_t>(x0_ / 2), out);
        Pairs<Streams>(src, lanes_.data(), lanes_.size() / 2, masks_.data(), weights_.data(), out);
    }

    // Groups of 2 * Pixels pixels with the same taps, step bytes apart.
    // From the second group on, one 32-byte load serves both halves: it
    // starts 16 - second bytes before the group, where the first half's
    // window still holds its pixels (the shifted masks say where).
    template <int Streams, int Pixels>
    __attribute__((target("avx2"))) void Uniform(const uint8_t* src, std::size_t groups, int16_t* out) const
    {
        constexpr int sums = Pixels * 6;
        __m256i m[Streams], w[Streams], shifted[Streams];
        for (int s = 0; s < Streams; ++s) {
            m[s] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(uniformMasks_ + 32 * s));
            w[s] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(uniformWeights_ + 32 * s));
            shifted[s] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(shiftedMasks_ + 32 * s));
        }
        const __m256i dropSpare = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 3, 7);
        auto filter = [&](__m256i v, const __m256i* masks, int16_t* to)
                          __attribute__((target("avx2"), always_inline)) {
            __m256i sum = _mm256_maddubs_epi16(_mm256_shuffle_epi8(v, masks[0]), w[0]);
            for (int s = 1; s < Streams; ++s)
                sum = _mm256_add_epi16(sum, _mm256_maddubs_epi16(_mm256_shuffle_epi8(v, masks[s]), w[s]));
            // The group's sums and spare ones, which the next group overwrites.
            if (Pixels == 2) {
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(to), _mm256_permutevar8x32_epi32(sum, dropSpare));
            } else {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm256_castsi256_si128(sum));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 3), _mm256_extracti128_si256(sum, 1));
            }
        };
        if (groups == 0)
            return;
        filter(_mm256_inserti128_si256(_mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src))),
                                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + uniformSecond_)), 1),
               m, out);
        if (uniformLead_ < 0) {
            for (std::size_t g = 1; g < groups; ++g)
                filter(_mm256_inserti128_si256(
                           _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src + g * uniformStep_))),
                           _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + g * uniformStep_ + uniformSecond_)), 1),
                       m, out + sums * g);
            return;
        }
        // The step in a local: the stores could otherwise alias the member.
        const std::ptrdiff_t step = uniformStep_;
        const uint8_t* at = src + step - uniformLead_;
        for (std::size_t g = 1; g < groups; ++g, at += step)
            filter(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at)), shifted, out + sums * g);
    }

    template <int Streams>
    __attribute__((target("avx2"))) static void Pairs(const uint8_t* src, const Lane* lane, std::size_t pairs,
                                                      const uint8_t* masks, const int8_t* weights, int16_t* out)
    {
        const __m256i* m = reinterpret_cast<const __m256i*>(masks);
        const __m256i* w = reinterpret_cast<const __m256i*>(weights);
        for (std::size_t p = 0; p < pairs; ++p, lane += 2) {
            const __m256i v = _mm256_inserti128_si256(
                _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src + lane[0].source))),
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + lane[1].source)), 1);
            __m256i sum = _mm256_maddubs_epi16(_mm256_shuffle_epi8(v, _mm256_loadu_si256(m)), _mm256_loadu_si256(w));
            for (int s = 1; s < Streams; ++s)
                sum = _mm256_add_epi16(sum, _mm256_maddubs_epi16(_mm256_shuffle_epi8(v, _mm256_loadu_si256(m + s)),
                                                                 _mm256_loadu_si256(w + s)));
            m += Streams;
            w += Streams;
            // The second half's store overwrites the first one's spare sums.
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + lane[0].out), _mm256_castsi256_si128(sum));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + lane[1].out), _mm256_extracti128_si256(sum, 1));
        }
    }

    int streams_ = 0;
    int pixels_ = 0;
    // The alike groups of pixels: pixels 0 .. x0_ - 1, uniformPixels_ to a half.
    int x0_ = 0;
    int uniformPixels_ = 0;
    int uniformStep_ = 0;
    int uniformSecond_ = 0;
    int uniformLead_ = -1;  // bytes before a group its one load starts, or -1
    uint8_t uniformMasks_[3 * 32] = {};
    uint8_t shiftedMasks_[3 * 32] = {};
    int8_t uniformWeights_[3 * 32] = {};
    // The other pixels, half by half.
    std::vector<Lane> lanes_;
    std::vector<uint8_t> masks_;
    std::vector<int8_t> weights_;
};

// out[i] = (sum over k of rows[k][i] * weights[k]) / divisor for a row of n
// bytes, the sums in 16 bits (exact: the true ones fit). Count is the
// number of rows where it is known when compiling (0: count).
template <int Count>
__attribute__((target("avx2"))) void SumDivideRows(const int16_t* const* rows, const uint16_t* weights, int count,
                                                   const Divider16& div, uint16_t divisor, int n, uint8_t* out)
{
    if (Count > 0)
        count = Count;
    const __m256i magic = _mm256_set1_epi16(static_cast<int16_t>(div.magic));
    const __m128i shift = _mm_cvtsi32_si128(div.shift);
    __m256i w[Count > 0 ? Count : 1];
    for (int k = 0; k < Count; ++k)
        w[k] = _mm256_set1_epi16(static_cast<int16_t>(weights[k]));
    int i = 0;
    for (; i + 32 <= n; i += 32) {
        __m256i a = _mm256_setzero_si256(), b = _mm256_setzero_si256();
        for (int k = 0; k < count; ++k) {
            const __m256i wk = Count > 0 ? w[k] : _mm256_set1_epi16(static_cast<int16_t>(weights[k]));
            a = _mm256_add_epi16(a, _mm256_mullo_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[k] + i)), wk));
            b = _mm256_add_epi16(
                b, _mm256_mullo_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[k] + i + 16)), wk));
        }
        a = _mm256_srl_epi16(_mm256_mulhi_epu16(a, magic), shift);
        b = _mm256_srl_epi16(_mm256_mulhi_epu16(b, magic), shift);
        // Packing works within 128-bit halves: put the bytes back in order.
        const __m256i bytes = _mm256_permute4x64_epi64(_mm256_packus_epi16(a, b), 0xD8);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), bytes);
    }
    for (; i < n; ++i) {
        uint16_t sum = 0;
        for (int k = 0; k < count; ++k)
            sum = static_cast<uint16_t>(sum + static_cast<uint16_t>(rows[k][i]) * weights[k]);
        out[i] = static_cast<uint8_t>(sum / divisor);
    }
}

void SumDivideRows(const int16_t* const* rows, const uint16_t* weights, int count, const Divider16& div,
                   uint16_t divisor, int n, uint8_t* out)
{
    switch (count) {
    case 2:
        SumDivideRows<2>(rows, weights, count, div, divisor, n, out);
        break;
    case 3:
        SumDivideRows<3>(rows, weights, count, div, divisor, n, out);
        break;
    case 4:
        SumDivideRows<4>(rows, weights, count, div, divisor, n, out);
        break;
    default:
        SumDivideRows<0>(rows, weights, count, div, divisor, n, out);
        break;
    }
}

// The area average with reduced weights entirely in 16 bits: each source row
// filtered horizontally once (kept while the target rows need it), then the
// filtered rows of a target row summed and divided. False (and nothing done)
// where the reduced sizes or the areas do not allow it.
// With quickOnly, only where the horizontal pass is of its quick kinds.
bool AreaAverageBytes(Bitmap& target, const Bitmap& source, const ReducedTaps& xs, const ReducedTaps& ys,
                      bool quickOnly)
{
    const int tw = target.Width(), th = target.Height();
    const int sn = source.Width() * 3, n = tw * 3;
    const uint32_t divisor = static_cast<uint32_t>(xs.size) * static_cast<uint32_t>(ys.size);
    if (static_cast<uint64_t>(xs.size) * static_cast<uint64_t>(ys.size) * 255 > 0xFFFF)
        return false;
    const Divider16 div(divisor);
    if (!div.usable)
        return false;
    const ByteAreaRow across(xs.taps, xs.weight);
    if (across.Streams() == 0 || (quickOnly && !across.Quick()))
        return false;
    int spanY = 1;
    for (const AreaTap& t : ys.taps)
        spanY = std::max(spanY, t.last - t.first + 1);
    // Filtered rows by source row modulo spanY: a target row's rows are
    // consecutive, so they never share a slot.
    const std::size_t rowSize = static_cast<std::size_t>(n + 8);
    std::vector<int16_t> filtered(rowSize * static_cast<std::size_t>(spanY));
    std::vector<const int16_t*> rows;
    std::vector<uint16_t> weights;
    // Rows are stored bottom-up: the windows may run on into the row above
    // in memory, but the last rows there are copied to a buffer with room.
    const int stride = source.Stride();
    std::vector<uint8_t> padded(static_cast<std::size_t>(sn + ByteAreaRow::Overrun()), 0);
    int done = -1;  // the last source row filtered
    auto slot = [&](int y) { return filtered.data() + rowSize * static_cast<std::size_t>(y % spanY); };
    for (int j = 0; j < th; ++j) {
        const AreaTap& t = ys.taps[j];
        for (int y = std::max(done + 1, t.first); y <= t.last; ++y) {
            const uint8_t* row = source.ScanLine(y);
            if (static_cast<int64_t>(stride) * y + stride - sn < ByteAreaRow::Overrun()) {
                std::memcpy(padded.data(), row, static_cast<std::size_t>(sn));
                row = padded.data();
            }
            across.Filter(row, slot(y));
        }
        done = t.last;
        rows.clear();
        weights.clear();
        for (int y = t.first; y <= t.last; ++y) {
            rows.push_back(slot(y));
            weights.push_back(static_cast<uint16_t>(y == t.first ? t.weightFirst : y == t.last ? t.weightLast : ys.weight));
        }
        SumDivideRows(rows.data(), weights.data(), static_cast<int>(rows.size()), div, static_cast<uint16_t>(divisor), n,
                      target.ScanLine(j));
    }
    return true;
}

// Each target pixel is the exact mean of the source area it covers. The
// source rows of a target row are summed first (whole rows, in vector
// steps), then the columns of that sum: every source pixel is read once
// (twice at the seams) and the per-column work is done once per target row.
template <typename Sum>
void AreaAverage(Bitmap& target, const Bitmap& source)
{
    const int tw = target.Width(), th = target.Height();
    if constexpr (std::is_same_v<Sum, uint32_t>) {
        if (HaveAvx2()) {
            const ReducedTaps rx = ReduceTaps(source.Width(), tw), ry = ReduceTaps(source.Height(), th);
            if (AreaAverageBytes(target, source, rx, ry, true) || AreaAverage16(target, source, rx, ry) ||
                AreaAverageBytes(target, source, rx, ry, false))
                return;
        }
    }
    const std::vector<AreaTap> xs = AreaTaps(source.Width(), tw);
    const std::vector<AreaTap> ys = AreaTaps(source.Height(), th);
    const uint64_t divisor = static_cast<uint64_t>(source.Width()) * source.Height();
    const ExactDivider div(divisor, 255 * divisor);
    const int n = tw * 3, sn = source.Width() * 3;
    if constexpr (std::is_same_v<Sum, uint32_t>) {
        if (HaveAvx2()) {
            const PaddedAreaRow across(xs, static_cast<uint32_t>(tw));
            std::vector<uint32_t> columns(static_cast<std::size_t>(sn + across.Overrun())), row(n + 1);
            std::vector<const uint8_t*> rows;
            for (int j = 0; j < th; ++j) {
                const AreaTap& t = ys[j];
                rows.clear();
                for (int y = t.first; y <= t.last; ++y)
                    rows.push_back(source.ScanLine(y));
                SumRowsAvx2(columns.data(), rows.data(), static_cast<int>(rows.size()),
                            static_cast<uint32_t>(t.weightFirst), static_cast<uint32_t>(th),
                            static_cast<uint32_t>(t.weightLast), sn);
                across.Filter(columns.data(), row.data());
                CombineRows(row.data(), row.data(), 1, 0, n, div, target.ScanLine(j));
            }
            return;
        }
    }
    std::vector<Sum> columns(sn), row(n);
    for (int j = 0; j < th; ++j) {
        const AreaTap& t = ys[j];
        std::fill(columns.begin(), columns.end(), Sum{0});
        AccumulateBytes(columns.data(), source.ScanLine(t.first), static_cast<Sum>(t.weightFirst), sn);
        for (int y = t.first + 1; y < t.last; ++y)
            AccumulateBytes(columns.data(), source.ScanLine(y), static_cast<Sum>(th), sn);
        if (t.last != t.first)
            AccumulateBytes(columns.data(), source.ScanLine(t.last), static_cast<Sum>(t.weightLast), sn);
        AreaRow(columns.data(), xs, static_cast<Sum>(tw), row.data());
        uint8_t* out = target.ScanLine(j);
        if constexpr (std::is_same_v<Sum, uint32_t>) {
            CombineRows(row.data(), row.data(), 1, 0, n, div, out);
        } else {
            for (int i = 0; i < n; ++i)
                out[i] = static_cast<uint8_t>(div(row[i]));
        }
    }
}

void StretchedCopy(Bitmap& target, const Bitmap& source)
{
    target.CopyRect(target.Bounds(), source, source.Bounds());
}

}  // namespace

std::vector<BilinearTap> BilinearTaps(int sourceSize, int targetSize)
{
    std::vector<BilinearTap> taps(std::max(targetSize, 0));
    const int64_t s = sourceSize, t = targetSize;
    for (int i = 0; i < targetSize; ++i) {
        const int64_t c = s * (2 * i + 1);
        const int64_t d = (c + t) / (2 * t);
        int64_t left = d - 1;
        if (left < 0)
            taps[i] = {0, 1, 0, 1};
        else if (d == s)
            taps[i] = {static_cast<int>(d - 2), 0, 1, 1};
        else {
            const int64_t divisor = 2 * t;
            const int64_t right = c - (2 * left + 1) * t;
            taps[i] = {static_cast<int>(left), static_cast<int>(divisor - right), static_cast<int>(right),
                       static_cast<int>(divisor)};
        }
    }
    return taps;
}

std::vector<AreaTap> AreaTaps(int sourceSize, int targetSize)
{
    if (targetSize <= 0)
        return {};
    return AreaTapsOf(sourceSize, targetSize, targetSize);
}

void StretchBitmap(Bitmap& target, const Bitmap& source)
{
    if (target.Format() != PixelFormat::Bgr24 || source.Format() != PixelFormat::Bgr24)
        return;
    const int tw = target.Width(), th = target.Height();
    const int sw = source.Width(), sh = source.Height();
    if (tw == sw && th == sh) {
        target = source;
        return;
    }
    if (tw >= (sw + 1) / 2 && th >= (sh + 1) / 2) {
        if (tw > 1 && th > 1 && sw > 1 && sh > 1) {
            Bilinear(target, source);
            return;
        }
        if (tw > sw || th > sh) {
            StretchedCopy(target, source);
            return;
        }
    }
    ShrinkBitmap(target, source);
}

void ShrinkBitmap(Bitmap& target, const Bitmap& source)
{
    if (target.Format() != PixelFormat::Bgr24 || source.Format() != PixelFormat::Bgr24 || target.Empty())
        return;
    const int tw = target.Width(), th = target.Height();
    const int sw = source.Width(), sh = source.Height();
    if (sw == 1 || sh == 1) {
        StretchedCopy(target, source);
        return;
    }
    if (sw < 1 || sh < 1)
        return;
    const bool narrower = tw < sw, lower = th < sh;
    if (narrower && lower) {
        if (255ull * sw * sh <= 0xFFFFFFFFull)
            AreaAverage<uint32_t>(target, source);
        else
            AreaAverage<uint64_t>(target, source);
    } else if (narrower || lower) {
        StretchedCopy(target, source);
    } else {
        StretchBitmap(target, source);
    }
}
