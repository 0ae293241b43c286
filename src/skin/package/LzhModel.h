// The adaptive Huffman model and constants shared by the LZHUF decoder (TLZH) and encoder (TLZHEncoder).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

    // The same update for a symbol the decoder has just reached by walking down from the root: `path` holds
    // the nodes it went through, path[0] the root and path[depth] the leaf. Until the first swap the climb
    // is that path, read from memory the walk has just touched instead of through the parent links.
    void UpdateAlong(int symbol, const std::int16_t* path, int depth) {
        if (Freq[Root] == MaxFreq) {
            Update(symbol);
            return;
        }
        std::uint16_t* freq = Freq.data();
        for (int d = depth; d >= 0; --d) {
            const int c = path[d];
            const unsigned k = ++freq[c];
            if (k > freq[c + 1]) {
                Climb(Swap(c, k));
                return;
            }
        }
    }

    // Node layout: Son[node] is a leaf's symbol + TableSize, or the left child (the right child is the
    // next node); Parent is indexed by node, and by symbol + TableSize for leaves.
    std::vector<std::uint16_t> Freq;  // TableSize, then sentinels of 0xFFFF
    std::vector<std::int16_t> Parent; // TableSize + CharCount
    std::vector<std::int16_t> Son;    // TableSize

    // A decoder may keep a view of the tree's shape built from Son[] of some nodes; it marks them in Watched.
    // A swap that moves a subtree into or out of one of them lists both nodes it exchanged in Changed (up to
    // kChangedCapacity); a rebuild, or more changes than that, sets Rebuilt instead. The decoder clears both
    // once it has caught up.
    static constexpr int kChangedCapacity = 64;
    std::vector<std::uint8_t> Watched; // TableSize
    std::array<std::int16_t, kChangedCapacity> Changed{};
    int ChangedCount = 0;
    bool Rebuilt = true;

private:
    void Rebuild();
    // Moves node `c`, whose frequency has just become `k`, past the nodes of lower frequency; gives its
    // place.
    int Swap(int c, unsigned k);
    void NoteChange(int c, int l) {
        if (ChangedCount + 2 > kChangedCapacity) {
            Rebuilt = true;
            return;
        }
        Changed[static_cast<std::size_t>(ChangedCount++)] = static_cast<std::int16_t>(c);
        Changed[static_cast<std::size_t>(ChangedCount++)] = static_cast<std::int16_t>(l);
    }
    // The last node below `k` from `l` on, given Freq[l] < k.
    int Gallop(int l, unsigned k) const;
    // Increments and reorders from the parent of `c` up to the root.
    void Climb(int c);
};

[[gnu::always_inline]] inline int LzhModel::Swap(int c, unsigned k) {
    std::uint16_t* freq = Freq.data();
    std::int16_t* parent = Parent.data();
    std::int16_t* son = Son.data();
    // Frequencies never fall along the nodes, so `l` is the node before the first one of frequency `k` or
    // more after `c`; Freq[c + 1] is known to be below `k`. Most swaps move a few places, so the next 16
    // nodes are compared at once; past them the search gallops, then halves (a newly seen symbol can pass
    // hundreds of equal nodes). The sentinels from Freq[TableSize] on stop both.
    int l = c + 1;
#if defined(__SSE2__)
    const __m128i key = _mm_set1_epi16(static_cast<short>(k));
    const __m128i zero = _mm_setzero_si128();
    const auto* ahead = reinterpret_cast<const __m128i*>(freq + c + 2);
    const auto reached = [&](const __m128i* at) {
        // A lane is zero after the saturating subtraction exactly when its frequency is at least `k`.
        return static_cast<unsigned>(
            _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(key, _mm_loadu_si128(at)), zero)));
    };
    const unsigned near = reached(ahead) | reached(ahead + 1) << 16;
    if (near != 0)
        l += __builtin_ctz(near) / 2;
    else
        l = Gallop(c + 17, k);
#else
    if (freq[l + 1] < k)
        l = Gallop(l + 1, k);
#endif
    freq[c] = freq[l];
    freq[l] = static_cast<std::uint16_t>(k);

    const int i = son[c];
    const int j = son[l];
    // Two leaves trading places leave the tree's shape as it was; a view of it only needs to hear of a
    // subtree moving.
    if ((Watched[c] | Watched[l]) != 0 && (i < TableSize || j < TableSize)) [[unlikely]]
        NoteChange(c, l);

    parent[i] = static_cast<std::int16_t>(l);
    if (i < TableSize)
        parent[i + 1] = static_cast<std::int16_t>(l);

    son[l] = static_cast<std::int16_t>(i);
    parent[j] = static_cast<std::int16_t>(c);
    if (j < TableSize)
        parent[j + 1] = static_cast<std::int16_t>(c);
    son[c] = static_cast<std::int16_t>(j);
    return l;
}

inline int LzhModel::Gallop(int l, unsigned k) const {
    const std::uint16_t* freq = Freq.data();
    int step = 1;
    while (freq[l + step] < k) {
        l += step;
        step *= 2;
    }
    for (int high = l + step; high - l > 1;) {
        const int middle = (l + high) / 2;
        (freq[middle] < k ? l : high) = middle;
    }
    return l;
}

inline void LzhModel::Climb(int c) {
    std::uint16_t* freq = Freq.data();
    const std::int16_t* parent = Parent.data();
    while ((c = parent[c]) != 0) {
        const unsigned k = ++freq[c];
        if (k > freq[c + 1])
            c = Swap(c, k);
    }
}

} // namespace skin::lzh
