// The adaptive Huffman model and constants shared by the LZHUF decoder (TLZH) and encoder (TLZHEncoder).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace skin::lzh {

inline constexpr int RingSize = 4096;                        // N
inline constexpr int MaxMatch = 60;                          // F
inline constexpr int Threshold = 2;                          // a match is longer than this
inline constexpr int CharCount = 256 - Threshold + MaxMatch; // N_CHAR = 314 symbols
inline constexpr int TableSize = 2 * CharCount - 1;          // T = 627 tree nodes
inline constexpr int Root = TableSize - 1;                   // R = 626
inline constexpr unsigned MaxFreq = 0x8000;
inline constexpr int RingStart = RingSize - MaxMatch;       // 4,036 spaces before the first byte
inline constexpr int MatchSymbolBase = 256 - Threshold - 1; // symbol 256 is a match of length 3

// The upper six bits of a match distance are coded by a prefix of 3 to 8 bits. Each row: the codes
// `FirstCode` … `LastCode`, each taking `ValuesPerCode` consecutive byte values, with prefix length `Bits`.
struct PositionCodeRow {
    int FirstCode;
    int LastCode;
    int ValuesPerCode;
    int Bits;
};
inline constexpr std::array<PositionCodeRow, 6> PositionCodeRows{{
    {0, 0, 32, 3},
    {1, 3, 16, 4},
    {4, 11, 8, 5},
    {12, 23, 4, 6},
    {24, 47, 2, 7},
    {48, 63, 1, 8},
}};

// Lookup tables built from the rows: by leading byte (decoder) and by upper distance bits (encoder).
struct PositionTables {
    std::array<std::uint8_t, 256> DecodeCode{};
    std::array<std::uint8_t, 256> DecodeLen{};
    std::array<std::uint8_t, 64> EncodeCode{}; // the prefix, left-aligned in a byte
    std::array<std::uint8_t, 64> EncodeLen{};
};
const PositionTables& Positions();

class LzhModel {
public:
    // Throws std::bad_alloc when the tables cannot be had.
    LzhModel();

    void Start();
    void Update(int symbol);

    // Node layout: Son[node] is a leaf's symbol + TableSize, or the left child (the right child is the
    // next node); Parent is indexed by node, and by symbol + TableSize for leaves.
    std::vector<std::uint16_t> Freq;  // TableSize + 1, the last a sentinel
    std::vector<std::int16_t> Parent; // TableSize + CharCount
    std::vector<std::int16_t> Son;    // TableSize

private:
    void Rebuild();
};

} // namespace skin::lzh
