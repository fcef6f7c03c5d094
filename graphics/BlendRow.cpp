// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Row kernels of transparent drawing: a scalar version and an AVX2 version
// chosen at run time. Runs of fully clear or fully opaque mask are copied.
#include "graphics/BlendRow.h"

#include <immintrin.h>

#include <cstring>

namespace {

enum class VectorUnit { None, Ssse3, Avx2 };

VectorUnit BestVectorUnit()
{
    static const VectorUnit unit = __builtin_cpu_supports("avx2")    ? VectorUnit::Avx2
                                   : __builtin_cpu_supports("ssse3") ? VectorUnit::Ssse3
                                                                     : VectorUnit::None;
    return unit;
}

// Spreads 16 mask bytes over the 48 channel bytes of 16 pixels.
#define SZ_MASK_SPREAD                                                                   \
    {                                                                                    \
        _mm_setr_epi8(0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5),                   \
        _mm_setr_epi8(5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10),                 \
        _mm_setr_epi8(10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15),   \
    }

__attribute__((target("avx2"))) void BlendRow24Avx2(uint8_t* dst, const uint8_t* bg, const uint8_t* fg,
                                                    const uint8_t* mask, int count, int opacity)
{
    const bool inPlace = dst == bg;
    const __m128i allSet = _mm_set1_epi8(-1);
    const __m256i op1 = _mm256_set1_epi16(static_cast<short>(opacity + 1));
    const __m256i one = _mm256_set1_epi16(1);
    const __m128i spread[3] = SZ_MASK_SPREAD;
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + i));
        uint8_t* d = dst + i * 3;
        const uint8_t* b = bg + i * 3;
        const uint8_t* f = fg + i * 3;
        if (_mm_testz_si128(m, m)) {
            if (!inPlace)
                std::memcpy(d, b, 48);
            continue;
        }
        if (opacity == 255 && _mm_movemask_epi8(_mm_cmpeq_epi8(m, allSet)) == 0xFFFF) {
            std::memcpy(d, f, 48);
            continue;
        }
        for (int c = 0; c < 3; ++c) {
            __m256i w = _mm256_cvtepu8_epi16(_mm_shuffle_epi8(m, spread[c]));
            w = _mm256_add_epi16(_mm256_srli_epi16(_mm256_mullo_epi16(w, op1), 8), one);
            const __m256i fv = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(f + 16 * c)));
            const __m256i bv = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(b + 16 * c)));
            const __m256i diff = _mm256_sub_epi16(fv, bv);
            const __m256i step = _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_abs_epi16(diff), w), 8);
            const __m256i r = _mm256_add_epi16(bv, _mm256_sign_epi16(step, diff));
            const __m128i packed = _mm_packus_epi16(_mm256_castsi256_si128(r), _mm256_extracti128_si256(r, 1));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 16 * c), packed);
        }
    }
    BlendRow24Scalar(dst + i * 3, bg + i * 3, fg + i * 3, mask + i, count - i, opacity);
}

// Eight channels in 16-bit lanes: the mask bytes in w become weights, then
// each channel moves from b towards f.
__attribute__((target("ssse3"))) inline __m128i Blend8(__m128i op1, __m128i one, __m128i f, __m128i b, __m128i w)
{
    w = _mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(w, op1), 8), one);
    const __m128i diff = _mm_sub_epi16(f, b);
    const __m128i step = _mm_srli_epi16(_mm_mullo_epi16(_mm_abs_epi16(diff), w), 8);
    return _mm_add_epi16(b, _mm_sign_epi16(step, diff));
}

}  // namespace

// The same with 128-bit registers, for processors without AVX2.
__attribute__((target("ssse3"))) void BlendRow24Ssse3(uint8_t* dst, const uint8_t* bg, const uint8_t* fg,
                                                      const uint8_t* mask, int count, int opacity)
{
    const bool inPlace = dst == bg;
    const __m128i zero = _mm_setzero_si128();
    const __m128i allSet = _mm_set1_epi8(-1);
    const __m128i op1 = _mm_set1_epi16(static_cast<short>(opacity + 1));
    const __m128i one = _mm_set1_epi16(1);
    const __m128i spread[3] = SZ_MASK_SPREAD;
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + i));
        uint8_t* d = dst + i * 3;
        const uint8_t* b = bg + i * 3;
        const uint8_t* f = fg + i * 3;
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(m, zero)) == 0xFFFF) {
            if (!inPlace)
                std::memcpy(d, b, 48);
            continue;
        }
        if (opacity == 255 && _mm_movemask_epi8(_mm_cmpeq_epi8(m, allSet)) == 0xFFFF) {
            std::memcpy(d, f, 48);
            continue;
        }
        for (int c = 0; c < 3; ++c) {
            const __m128i w = _mm_shuffle_epi8(m, spread[c]);
            const __m128i fv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(f + 16 * c));
            const __m128i bv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + 16 * c));
            const __m128i lo = Blend8(op1, one, _mm_unpacklo_epi8(fv, zero), _mm_unpacklo_epi8(bv, zero),
                                      _mm_unpacklo_epi8(w, zero));
            const __m128i hi = Blend8(op1, one, _mm_unpackhi_epi8(fv, zero), _mm_unpackhi_epi8(bv, zero),
                                      _mm_unpackhi_epi8(w, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 16 * c), _mm_packus_epi16(lo, hi));
        }
    }
    BlendRow24Scalar(dst + i * 3, bg + i * 3, fg + i * 3, mask + i, count - i, opacity);
}

void BlendRow24Scalar(uint8_t* dst, const uint8_t* bg, const uint8_t* fg, const uint8_t* mask, int count,
                      int opacity)
{
    const unsigned op = static_cast<unsigned>(opacity);
    for (int i = 0; i < count; ++i, dst += 3, bg += 3, fg += 3) {
        const unsigned m = mask[i];
        if (m == 0) {
            if (dst != bg) {
                dst[0] = bg[0];
                dst[1] = bg[1];
                dst[2] = bg[2];
            }
            continue;
        }
        const unsigned w = MaskWeight(op, m);
        dst[0] = BlendChannel(bg[0], fg[0], w);
        dst[1] = BlendChannel(bg[1], fg[1], w);
        dst[2] = BlendChannel(bg[2], fg[2], w);
    }
}

void BlendRow24(uint8_t* dst, const uint8_t* bg, const uint8_t* fg, const uint8_t* mask, int count, int opacity)
{
    if (count <= 0)
        return;
    switch (BestVectorUnit()) {
    case VectorUnit::Avx2: BlendRow24Avx2(dst, bg, fg, mask, count, opacity); break;
    case VectorUnit::Ssse3: BlendRow24Ssse3(dst, bg, fg, mask, count, opacity); break;
    case VectorUnit::None: BlendRow24Scalar(dst, bg, fg, mask, count, opacity); break;
    }
}
