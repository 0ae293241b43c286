#include "skin/package/LzhModel.h"

#include <algorithm>

namespace skin::lzh {

namespace {

PositionTables BuildPositionTables() {
    PositionTables t;
    int value = 0;
    for (const PositionCodeRow& row : PositionCodeRows) {
        for (int code = row.FirstCode; code <= row.LastCode; ++code) {
            t.EncodeCode[code] = static_cast<std::uint8_t>(value);
            t.EncodeLen[code] = static_cast<std::uint8_t>(row.Bits);
            for (int k = 0; k < row.ValuesPerCode; ++k, ++value) {
                t.DecodeCode[value] = static_cast<std::uint8_t>(code);
                t.DecodeLen[value] = static_cast<std::uint8_t>(row.Bits);
            }
        }
    }
    return t;
}

} // namespace

const PositionTables& Positions() {
    static const PositionTables tables = BuildPositionTables();
    return tables;
}

LzhModel::LzhModel()
    : Freq(2 * TableSize + 1, 0xFFFF), Parent(TableSize + CharCount), Son(TableSize), Watched(TableSize) {
}

void LzhModel::Start() {
    for (int i = 0; i < CharCount; ++i) {
        Freq[i] = 1;
        Son[i] = static_cast<std::int16_t>(i + TableSize);
        Parent[i + TableSize] = static_cast<std::int16_t>(i);
    }
    for (int i = 0, j = CharCount; j <= Root; i += 2, ++j) {
        Freq[j] = static_cast<std::uint16_t>(Freq[i] + Freq[i + 1]);
        Son[j] = static_cast<std::int16_t>(i);
        Parent[i] = Parent[i + 1] = static_cast<std::int16_t>(j);
    }
    Freq[TableSize] = 0xFFFF;
    Parent[Root] = 0;
    Rebuilt = true;
}

void LzhModel::Rebuild() {
    Rebuilt = true;
    int j = 0;
    for (int i = 0; i < TableSize; ++i) {
        if (Son[i] >= TableSize) {
            Freq[j] = static_cast<std::uint16_t>((Freq[i] + 1) / 2);
            Son[j] = Son[i];
            ++j;
        }
    }
    for (int i = 0, n = CharCount; n < TableSize; i += 2, ++n) {
        const unsigned f = Freq[i] + Freq[i + 1];
        int k = n - 1;
        while (f < Freq[k])
            --k;
        ++k;
        // Insert the new node after every node of equal frequency, shifting the rest up by one.
        std::copy_backward(Freq.begin() + k, Freq.begin() + n, Freq.begin() + n + 1);
        std::copy_backward(Son.begin() + k, Son.begin() + n, Son.begin() + n + 1);
        Freq[k] = static_cast<std::uint16_t>(f);
        Son[k] = static_cast<std::int16_t>(i);
    }
    for (int i = 0; i < TableSize; ++i) {
        const int k = Son[i];
        Parent[k] = static_cast<std::int16_t>(i);
        if (k < TableSize)
            Parent[k + 1] = static_cast<std::int16_t>(i);
    }
}

void LzhModel::Update(int symbol) {
    if (Freq[Root] == MaxFreq)
        Rebuild();
    const int leaf = Parent[symbol + TableSize];
    const unsigned k = ++Freq[leaf];
    Climb(k > Freq[leaf + 1] ? Swap(leaf, k) : leaf);
}

} // namespace skin::lzh
