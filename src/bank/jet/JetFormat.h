// Layout constants of the two Jet versions the engine reads, kept side by side so that every reader
// and writer takes offsets from one table.
#pragma once

#include <cstdint>

namespace bank::jet {

enum class JetVersion { Jet3, Jet4 };

struct JetFormat {
    JetVersion version;
    std::uint32_t pageSize;
    std::uint32_t maskedHeaderLength; // bytes of page 0 from 0x18 that are RC4-masked
    std::uint32_t dataRowCountOffset; // data page: number of rows
    std::uint32_t dataRowTableOffset; // data page: first row-table entry
    std::uint32_t rowCountSize;       // bytes of a row's column count and var count
    // Table definition.
    std::uint32_t tdefRowCount;
    std::uint32_t tdefTableType;
    std::uint32_t tdefVarColumns;
    std::uint32_t tdefColumns;
    std::uint32_t tdefLogicalIndexes;
    std::uint32_t tdefPhysicalIndexes;
    std::uint32_t tdefUsageMap;
    std::uint32_t tdefFreeMap;
    std::uint32_t tdefBlocks;
    std::uint32_t physicalIndexCounterSize;
    std::uint32_t columnEntrySize;
    std::uint32_t columnNameLengthSize;
    std::uint32_t physicalIndexSize;
    std::uint32_t physicalIndexSlots; // offset of the ten column slots in an index definition
    std::uint32_t logicalIndexSize;
    // Column entry.
    std::uint32_t colType;
    std::uint32_t colNumber;
    std::uint32_t colVarIndex;
    std::uint32_t colFlags;
    std::uint32_t colFixedOffset;
    std::uint32_t colLength;
    // Usage maps.
    std::uint32_t referenceMapPages; // page pointers in a type-1 map row
};

inline constexpr JetFormat kJet3Format{JetVersion::Jet3,
                                       2048,
                                       126,
                                       8,
                                       10,
                                       1,
                                       12,
                                       20,
                                       23,
                                       25,
                                       27,
                                       31,
                                       35,
                                       39,
                                       43,
                                       8,
                                       18,
                                       1,
                                       39,
                                       0,
                                       20,
                                       0,
                                       1,
                                       3,
                                       13,
                                       14,
                                       16,
                                       33};

inline constexpr JetFormat kJet4Format{JetVersion::Jet4,
                                       4096,
                                       128,
                                       12,
                                       14,
                                       2,
                                       16,
                                       40,
                                       43,
                                       45,
                                       47,
                                       51,
                                       55,
                                       59,
                                       63,
                                       12,
                                       25,
                                       2,
                                       52,
                                       4,
                                       28,
                                       0,
                                       5,
                                       7,
                                       15,
                                       21,
                                       23,
                                       17};

} // namespace bank::jet
