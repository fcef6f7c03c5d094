// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The row kernels of smooth scaling. The vector versions keep the plain
// version's arithmetic exactly, so that a present never depends on the
// processor it runs on.
#include "platform/ScaleRows.h"

#include <algorithm>
#include <cstring>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SZEPTACZKI_X86 1
#endif

namespace {

bool Avx2()
{
#ifdef SZEPTACZKI_X86
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2;
#else
    return false;
#endif
}

// The scalar filter for columns [from, end).
void FilterColumns(const ScaleColumns& columns, const uint8_t* src, int16_t* out, std::size_t from)
{
    const std::vector<ScaleColumn>& cols = columns.Columns();
    for (std::size_t k = from; k < cols.size(); ++k) {
        const ScaleColumn& c = cols[k];
        const uint8_t* p = src + c.offset;
        const int w = c.weight, keep = 256 - w;
        int16_t* o = out + 4 * k;
        o[0] = static_cast<int16_t>((p[0] * keep + p[c.step] * w) >> 1);
        o[1] = static_cast<int16_t>((p[1] * keep + p[c.step + 1] * w) >> 1);
        o[2] = static_cast<int16_t>((p[2] * keep + p[c.step + 2] * w) >> 1);
        o[3] = kOpaqueLane;
    }
}

#ifdef SZEPTACZKI_X86
// Columns [from, WideColumns()) one at a time, then the rest in plain code.
__attribute__((target("sse2"))) void FilterWideColumns(const ScaleColumns& columns, const uint8_t* src,
                                                       int16_t* out, std::size_t from)
{
    const std::vector<ScaleColumn>& cols = columns.Columns();
    const __m128i keepAlpha = _mm_setr_epi16(-1, -1, -1, 0, 0, 0, 0, 0);
    const __m128i opaque = _mm_setr_epi16(0, 0, 0, kOpaqueLane, 0, 0, 0, 0);
    const __m128i zero = _mm_setzero_si128();
    std::size_t k = from;
    for (; k < columns.WideColumns(); ++k) {
        const ScaleColumn& c = cols[k];
        int32_t left, right;
        std::memcpy(&left, src + c.offset, 4);
        std::memcpy(&right, src + c.offset + c.step, 4);
        const __m128i pair = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(left), zero),
                                                _mm_unpacklo_epi8(_mm_cvtsi32_si128(right), zero));
        const __m128i sum = _mm_srai_epi32(_mm_madd_epi16(pair, _mm_set1_epi32((256 - c.weight) | c.weight << 16)), 1);
        const __m128i lanes = _mm_or_si128(_mm_and_si128(_mm_packs_epi32(sum, sum), keepAlpha), opaque);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 4 * k), lanes);
    }
    FilterColumns(columns, src, out, k);
}
#endif

}  // namespace

bool HasAvx2()
{
    return Avx2();
}

void ScaleColumns::Assign(std::vector<ScaleColumn> columns, int rowBytes)
{
    columns_ = std::move(columns);
    wideColumns_ = 0;
    // Columns come in source order: once one may not read four bytes, none after it may.
    while (wideColumns_ < columns_.size() &&
           columns_[wideColumns_].offset + columns_[wideColumns_].step + 4 <= rowBytes)
        ++wideColumns_;
    groups_.clear();
    for (std::size_t k = 0; k + 4 <= columns_.size(); k += 4) {
        Group g{};
        g.offset = columns_[k].offset;
        if (g.offset + 16 > rowBytes)
            break;
        bool fits = true;
        for (int i = 0; i < 4 && fits; ++i) {
            const ScaleColumn& c = columns_[k + static_cast<std::size_t>(i)];
            const int left = c.offset - g.offset, right = left + c.step;
            fits = left >= 0 && right + 2 < 16;
            for (int ch = 0; ch < 3 && fits; ++ch) {
                g.left[4 * i + ch] = static_cast<uint8_t>(left + ch);
                g.right[4 * i + ch] = static_cast<uint8_t>(right + ch);
            }
            // A shuffle index with the top bit set gives zero: the alpha lane.
            g.left[4 * i + 3] = g.right[4 * i + 3] = 0x80;
            g.weight[i] = static_cast<uint16_t>(c.weight);
        }
        // Shrinking spreads a group's pixels wider than one load: the rest go column by column.
        if (!fits)
            break;
        groups_.push_back(g);
    }
}

void FilterScaledRowScalar(const ScaleColumns& columns, const uint8_t* src, int16_t* out)
{
    FilterColumns(columns, src, out, 0);
}

void FilterScaledRowSse2(const ScaleColumns& columns, const uint8_t* src, int16_t* out)
{
#ifdef SZEPTACZKI_X86
    FilterWideColumns(columns, src, out, 0);
#else
    FilterColumns(columns, src, out, 0);
#endif
}

#ifdef SZEPTACZKI_X86
// Four columns per step. Each product fits sixteen bits unsigned (at most
// 255 * 256), and so does their sum, because the two weights add up to 256:
// plain 16-bit multiplies and a logical shift give the plain code's result.
__attribute__((target("avx2"))) void FilterScaledRowAvx2(const ScaleColumns& columns, const uint8_t* src,
                                                         int16_t* out)
{
    // Spreads four 16-bit weights over the four lanes of their columns.
    const __m256i spread = _mm256_setr_epi8(0, 1, 0, 1, 0, 1, 0, 1, 2, 3, 2, 3, 2, 3, 2, 3,  //
                                            4, 5, 4, 5, 4, 5, 4, 5, 6, 7, 6, 7, 6, 7, 6, 7);
    const __m256i whole = _mm256_set1_epi16(256);
    const __m256i opaque = _mm256_set1_epi64x(static_cast<int64_t>(static_cast<uint64_t>(kOpaqueLane) << 48));
    const std::vector<ScaleColumns::Group>& groups = columns.Groups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const ScaleColumns::Group& group = groups[g];
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + group.offset));
        const __m128i left = _mm_shuffle_epi8(chunk, _mm_loadu_si128(reinterpret_cast<const __m128i*>(group.left)));
        const __m128i right = _mm_shuffle_epi8(chunk, _mm_loadu_si128(reinterpret_cast<const __m128i*>(group.right)));
        int64_t packedWeights;
        std::memcpy(&packedWeights, group.weight, 8);
        const __m256i w = _mm256_shuffle_epi8(_mm256_set1_epi64x(packedWeights), spread);
        const __m256i sum = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_cvtepu8_epi16(left), _mm256_sub_epi16(whole, w)),
                                             _mm256_mullo_epi16(_mm256_cvtepu8_epi16(right), w));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 16 * g), _mm256_or_si256(_mm256_srli_epi16(sum, 1), opaque));
    }
    FilterWideColumns(columns, src, out, 4 * groups.size());
}
#else
void FilterScaledRowAvx2(const ScaleColumns& columns, const uint8_t* src, int16_t* out)
{
    FilterColumns(columns, src, out, 0);
}
#endif

void FilterScaledRow(const ScaleColumns& columns, const uint8_t* src, int16_t* out)
{
    if (Avx2())
        FilterScaledRowAvx2(columns, src, out);
    else
        FilterScaledRowSse2(columns, src, out);
}

void BlendScaledRowsScalar(const int16_t* a, const int16_t* b, uint8_t* out, int lanes, int weight)
{
    const int keep = 256 - weight;
    for (int i = 0; i < lanes; ++i)
        out[i] = static_cast<uint8_t>((a[i] * keep + b[i] * weight + (1 << 14)) >> 15);
}

#ifdef SZEPTACZKI_X86
__attribute__((target("sse2"))) void BlendScaledRowsSse2(const int16_t* a, const int16_t* b, uint8_t* out, int lanes,
                                                         int weight)
{
    const __m128i weights = _mm_set1_epi32((256 - weight) | weight << 16);
    const __m128i half = _mm_set1_epi32(1 << 14);
    int i = 0;
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
    BlendScaledRowsScalar(a + i, b + i, out + i, lanes - i, weight);
}

// The same on 256-bit registers. The packs work within each 128-bit half,
// so the four quarters come out of order and are put back with one permute.
__attribute__((target("avx2"))) void BlendScaledRowsAvx2(const int16_t* a, const int16_t* b, uint8_t* out, int lanes,
                                                         int weight)
{
    const __m256i weights = _mm256_set1_epi32((256 - weight) | weight << 16);
    const __m256i half = _mm256_set1_epi32(1 << 14);
    int i = 0;
    for (; i + 32 <= lanes; i += 32) {
        __m256i words[2];
        for (int k = 0; k < 2; ++k) {
            const __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i + 16 * k));
            const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i + 16 * k));
            const __m256i lo =
                _mm256_srai_epi32(_mm256_add_epi32(_mm256_madd_epi16(_mm256_unpacklo_epi16(va, vb), weights), half), 15);
            const __m256i hi =
                _mm256_srai_epi32(_mm256_add_epi32(_mm256_madd_epi16(_mm256_unpackhi_epi16(va, vb), weights), half), 15);
            words[k] = _mm256_packs_epi32(lo, hi);
        }
        const __m256i bytes = _mm256_permute4x64_epi64(_mm256_packus_epi16(words[0], words[1]), 0xD8);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), bytes);
    }
    BlendScaledRowsSse2(a + i, b + i, out + i, lanes - i, weight);
}
#else
void BlendScaledRowsSse2(const int16_t* a, const int16_t* b, uint8_t* out, int lanes, int weight)
{
    BlendScaledRowsScalar(a, b, out, lanes, weight);
}
void BlendScaledRowsAvx2(const int16_t* a, const int16_t* b, uint8_t* out, int lanes, int weight)
{
    BlendScaledRowsScalar(a, b, out, lanes, weight);
}
#endif

void BlendScaledRows(const int16_t* a, const int16_t* b, uint8_t* out, int lanes, int weight)
{
    if (Avx2())
        BlendScaledRowsAvx2(a, b, out, lanes, weight);
    else
        BlendScaledRowsSse2(a, b, out, lanes, weight);
}
