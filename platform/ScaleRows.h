// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The row kernels of the smooth scaling of frames: a source row filtered
// across into 16-bit lanes, and two such rows blended into window pixels.
// Each has a plain version, the reference the vector versions must equal bit
// for bit, and a version chosen at run time for the processor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Filtered rows hold each channel times 128 (at most 32640), so that they
// fit the signed 16-bit lanes of the multiply-add instructions; the alpha
// lane holds 255 times 128 and comes out as 255.
constexpr int16_t kOpaqueLane = 255 * 128;

// Where one window column samples a 24-bit source row.
struct ScaleColumn {
    int offset;  // byte offset of the left source pixel in a row
    int step;    // 3, or 0 at the right edge where there is no neighbour
    int weight;  // of the right pixel, 0..255
};

// The columns of a span of window pixels, with what the vector code reads
// per group of four columns worked out once.
class ScaleColumns {
public:
    // columns are in source order; rowBytes is the length of a source row.
    void Assign(std::vector<ScaleColumn> columns, int rowBytes);
    const std::vector<ScaleColumn>& Columns() const { return columns_; }

    // A group of four columns whose pixels and neighbours lie within sixteen
    // bytes of the row from offset: one load and two byte shuffles give them.
    struct Group {
        int offset;
        uint8_t left[16];   // shuffle picking the left pixels (blue, green, red, zero)
        uint8_t right[16];  // and the right ones
        uint16_t weight[4];
    };
    // The first ones, up to where a group does not fit (shrinking) or would
    // read past the row.
    const std::vector<Group>& Groups() const { return groups_; }
    // The first columns whose two pixels can be read as four bytes each.
    std::size_t WideColumns() const { return wideColumns_; }

private:
    std::vector<ScaleColumn> columns_;
    std::vector<Group> groups_;
    std::size_t wideColumns_ = 0;
};

// One source row filtered across: four lanes per window column.
void FilterScaledRow(const ScaleColumns& columns, const uint8_t* src, int16_t* out);
void FilterScaledRowScalar(const ScaleColumns& columns, const uint8_t* src, int16_t* out);
// The per-column 128-bit version (processors without AVX2), and the one by
// groups of four columns.
void FilterScaledRowSse2(const ScaleColumns& columns, const uint8_t* src, int16_t* out);
void FilterScaledRowAvx2(const ScaleColumns& columns, const uint8_t* src, int16_t* out);

// Window pixels between two filtered rows; weight (0..255) is that of b.
void BlendScaledRows(const int16_t* a, const int16_t* b, uint8_t* out, int lanes, int weight);
void BlendScaledRowsScalar(const int16_t* a, const int16_t* b, uint8_t* out, int lanes, int weight);
void BlendScaledRowsSse2(const int16_t* a, const int16_t* b, uint8_t* out, int lanes, int weight);
void BlendScaledRowsAvx2(const int16_t* a, const int16_t* b, uint8_t* out, int lanes, int weight);

// True where the processor runs the AVX2 versions (the tests skip them otherwise).
bool HasAvx2();
