// Every message the Jet engine and the data-access layer can put in front of a user, in the language users
// read (Simplified Chinese), kept in one table. Texts name their arguments {0}, {1}, ...
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace bank::jet {

enum class Msg {
    // Opening and reading the file.
    InFile,
    FileMissing,
    FileCannotOpen,
    FileNotRegular,
    FileTooLarge,
    FileCannotRead,
    FileShrank,
    NotJetFile,
    UnsupportedVersion,
    TruncatedSize,
    TruncatedNoCatalog,
    PagePastEnd,
    // Writing.
    ReadOnly,
    WriteOutsidePage,
    WriteFailed,
    FlushFailed,
    // Data pages, row tables and usage maps.
    NotDataPage,
    RowTablePastPage,
    RowMissing,
    RowBounds,
    OverflowTooShort,
    OverflowToOverflow,
    RowDeleted,
    UsageMapPastEnd,
    UsageMapEmpty,
    UsageMapTooShort,
    UsageMapNotBitmap,
    UsageMapUnknownType,
    ForeignPage,
    FoundPageType,
    FoundOtherOwner,
    WhatUsageMap,
    WhatLongValue,
    WhatLongValueChain,
    WhatTable,
    // Table definitions.
    DefinitionCutShort,
    DefinitionCycle,
    DefinitionPastEnd,
    NotDefinitionPage,
    ColumnUnknownType,
    ColumnVariableMarkedFixed,
    ColumnFixedMarkedVariable,
    ColumnNameInvalid,
    ColumnNumberShared,
    // Rows.
    InRow,
    RowEmpty,
    RowShorterThanMask,
    RowTooShortForVarCount,
    RowOffsetTablePastStart,
    RowVarOffsetOutside,
    RowVarOverlapsCount,
    LongValueHeaderShort,
    InlineLongValueTooLong,
    LongValueChainEnds,
    LongValueChainCycle,
    LongValueChainRowShort,
    RowHasNoSlot,
    // The catalog, tables and in-place updates.
    CatalogLacksColumns,
    NoSuchTable,
    NoSuchColumn,
    ColumnIndexed,
    ColumnNotUpdatable,
    ValueOutOfRange,
    TextIsNull,
    LongValueHeaderMalformed,
    InlineValueMalformed,
    LongValueSpansPages,
    TextDoesNotFit,
    NotTextColumn,
    // The connection.
    ProviderUnsupported,
    NoDataSource,
    ConnectionClosed,
    ConnectionStringNotKeyValue,
    ConnectionStringValueWithoutKey,
    ConnectionStringNoClosingQuote,
    ConnectionStringTextAfterQuote,
    ConnectionStringKeyTwice,
    // Queries.
    QueryNoConnection,
    QueryNoText,
    QueryOpenNeedsSelect,
    QueryExecNeedsUpdate,
    QueryNotOpen,
    ParameterNotFound,
    ParameterWithoutValue,
    FieldNotFound,
    FieldNoCurrentRow,
    OnlyIntegerValues,
    // Statements.
    StatementUnsupported,
    StatementBadName,
    StatementBadNumber,
    StatementUnexpected,
    StatementOnlySelectStar,
    StatementExpected,
    StatementExpectedTableName,
    StatementExpectedColumnName,
    StatementEqualsAfterColumn,
    StatementOnlySelectUpdate,
    StatementOnlyEquality,
    StatementSelectWithParameter,
    StatementUpdateNeedsWhere,
    StatementNumberOutOfRange,
    StatementExpectedValue,
    Count
};

// The table's text for `id` with {n} replaced by the n-th argument; arguments are inserted as they are,
// never scanned for further placeholders.
std::string Say(Msg id, const std::vector<std::string>& args);

inline std::string MessageArg(std::string_view s) {
    return std::string(s);
}
inline std::string MessageArg(const char* s) {
    return s;
}
template <class T>
requires std::is_integral_v<T> std::string MessageArg(T v) {
    return std::to_string(v);
}

template <class... A> std::string Say(Msg id, const A&... args) {
    return Say(id, std::vector<std::string>{MessageArg(args)...});
}

// The text of a system error number.
std::string SystemErrorText(int error);

// The raw table text of `id` (for checking the table itself).
std::string_view MessageTemplate(Msg id);

} // namespace bank::jet
