#include "bank/jet/MessageTable.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace bank::jet {

namespace {

constexpr std::pair<Msg, const char*> kTexts[] = {
    {Msg::InFile, "{0}（数据库文件：{1}）"},
    {Msg::FileMissing, "数据库文件不存在：{0}"},
    {Msg::FileCannotOpen, "无法打开数据库文件：{0}（{1}）"},
    {Msg::FileNotRegular, "数据库文件不是普通文件：{0}"},
    {Msg::FileTooLarge, "数据库文件超过了 Jet 数据库的大小上限（2 GB）：{0}"},
    {Msg::FileCannotRead, "无法读取数据库文件：{0}（{1}）"},
    {Msg::FileShrank, "文件在读取过程中变短了"},
    {Msg::NotJetFile, "不是 Jet 数据库文件（没有“Standard Jet DB”文件头）：{0}"},
    {Msg::UnsupportedVersion, "不支持的 Jet 版本 {1}（只能读取 Jet 3 和 Jet 4）：{0}"},
    {Msg::TruncatedSize, "数据库文件不完整：大小 {1} 字节不是 {2} 字节页的整数倍：{0}"},
    {Msg::TruncatedNoCatalog, "数据库文件不完整：没有目录页：{0}"},
    {Msg::PagePastEnd, "第 {0} 页超出了文件末尾（文件共 {1} 页）"},

    {Msg::ReadOnly, "数据库以只读方式打开，不能写入"},
    {Msg::WriteOutsidePage, "内部错误：写入位置超出了第 {0} 页"},
    {Msg::WriteFailed, "写入第 {0} 页失败：{1}"},
    {Msg::FlushFailed, "把数据写入磁盘失败：{0}"},

    {Msg::NotDataPage, "第 {0} 页第 {1} 行：该页不是数据页（页类型 {2}）"},
    {Msg::RowTablePastPage, "第 {0} 页：行表超出了页的范围"},
    {Msg::RowMissing, "第 {0} 页第 {1} 行：该页只有 {2} 行"},
    {Msg::RowBounds, "第 {0} 页第 {1} 行：行的范围 {2}..{3} 超出了页的行区"},
    {Msg::OverflowTooShort, "{0}：第 {1} 页上的溢出行太短"},
    {Msg::OverflowToOverflow, "{0}：第 {1} 页上的溢出行指向另一个溢出行"},
    {Msg::RowDeleted, "{0}：第 {1} 页第 {2} 行已被删除"},
    {Msg::UsageMapPastEnd, "第 {0} 页上的页映射列出了第 {1} 页，超出了文件末尾"},
    {Msg::UsageMapEmpty, "第 {0} 页上的页映射是空的"},
    {Msg::UsageMapTooShort, "第 {0} 页上的页映射太短"},
    {Msg::UsageMapNotBitmap, "第 {0} 页上的页映射引用了第 {1} 页，但该页不是位图页"},
    {Msg::UsageMapUnknownType, "第 {0} 页上的页映射类型 {1} 无法识别"},
    {Msg::ForeignPage,
     "表“{0}”已损坏：其页映射列出的第 {1} 页应是该表的数据页（页类型 1，属于表定义页 {2}），实际是{3}"},
    {Msg::FoundPageType, "类型为 {0} 的页"},
    {Msg::FoundOtherOwner, "属于表定义页 {0} 的数据页"},
    {Msg::WhatUsageMap, "页映射"},
    {Msg::WhatLongValue, "长值"},
    {Msg::WhatLongValueChain, "长值链"},
    {Msg::WhatTable, "表“{0}”"},

    {Msg::DefinitionCutShort, "表“{0}”：定义不完整（第 {2} 字节处的{1}）"},
    {Msg::DefinitionCycle, "表“{0}”：定义页在第 {1} 页形成循环"},
    {Msg::DefinitionPastEnd, "表“{0}”：定义位于第 {1} 页，超出了文件末尾"},
    {Msg::NotDefinitionPage, "表“{0}”：第 {1} 页不是表定义页"},
    {Msg::ColumnUnknownType, "表“{0}”：第 {1} 列的类型 {2} 无法识别"},
    {Msg::ColumnVariableMarkedFixed, "表“{0}”：第 {1} 列是变长类型，却标为定长"},
    {Msg::ColumnFixedMarkedVariable, "表“{0}”：第 {1} 列是定长类型，却标为变长"},
    {Msg::ColumnNameInvalid, "表“{0}”：有列名不是代码页 {1} 的有效文本"},
    {Msg::ColumnNumberShared, "表“{0}”：两列的编号都是 {1}"},

    {Msg::InRow, "表“{0}”第 {1} 页第 {2} 行：{3}"},
    {Msg::RowEmpty, "行是空的"},
    {Msg::RowShorterThanMask, "行比它的空值掩码还短"},
    {Msg::RowTooShortForVarCount, "行太短，放不下变长列数"},
    {Msg::RowOffsetTablePastStart, "行的偏移表超出了行首"},
    {Msg::RowVarOffsetOutside, "变长列偏移 {0} 超出了行的范围"},
    {Msg::RowVarOverlapsCount, "变长数据与列数重叠"},
    {Msg::LongValueHeaderShort, "列“{0}”的长值头只有 {1} 字节"},
    {Msg::InlineLongValueTooLong, "内嵌长值声称有 {0} 字节，但行中只有 {1} 字节"},
    {Msg::LongValueChainEnds, "长值链在 {0}/{1} 字节处中断"},
    {Msg::LongValueChainCycle, "长值链的页形成循环"},
    {Msg::LongValueChainRowShort, "长值链中有一行太短，放不下链接"},
    {Msg::RowHasNoSlot, "该行存储于列“{0}”加入之前，没有它的位置"},

    {Msg::CatalogLacksColumns, "目录（MSysObjects）缺少 Id、Name 或 Type 列"},
    {Msg::NoSuchTable, "没有名为“{0}”的表"},
    {Msg::NoSuchColumn, "表“{0}”中没有名为“{1}”的列"},
    {Msg::ColumnIndexed, "表“{0}”的列“{1}”属于索引，原地更新会使索引失效"},
    {Msg::ColumnNotUpdatable, "列“{0}”的类型是 {1}；只有字节、整数和长整数列能原地更新"},
    {Msg::ValueOutOfRange, "值 {0} 超出了列“{1}”（{2}）的范围"},
    {Msg::TextIsNull, "第 {0} 页第 {1} 行：列“{2}”为空值，不能原地写入文字"},
    {Msg::LongValueHeaderMalformed, "第 {0} 页第 {1} 行：列“{2}”的长值头有误"},
    {Msg::InlineValueMalformed, "第 {0} 页第 {1} 行：列“{2}”的内嵌值有误"},
    {Msg::LongValueSpansPages, "第 {0} 页第 {1} 行：列“{2}”跨越多页，不能原地改写"},
    {Msg::TextDoesNotFit, "第 {0} 页第 {1} 行：列“{2}”的新文字与旧文字占用的字节数不同"},
    {Msg::NotTextColumn, "列“{0}”不是文本或备注列"},

    {Msg::ProviderUnsupported, "不支持提供程序“{0}”（只支持 {1}）"},
    {Msg::NoDataSource, "连接字符串没有指定数据源"},
    {Msg::ConnectionClosed, "数据库连接未打开"},
    {Msg::ConnectionStringNotKeyValue, "连接字符串：“{0}”不是“键=值”（Key=Value）的形式"},
    {Msg::ConnectionStringValueWithoutKey, "连接字符串：有值没有键"},
    {Msg::ConnectionStringNoClosingQuote, "连接字符串：“{0}”的值缺少右引号"},
    {Msg::ConnectionStringTextAfterQuote, "连接字符串：“{0}”的引号值后面还有文字"},
    {Msg::ConnectionStringKeyTwice, "连接字符串：“{0}”出现了两次"},

    {Msg::QueryNoConnection, "查询没有连接"},
    {Msg::QueryNoText, "查询没有语句文本"},
    {Msg::QueryOpenNeedsSelect, "Open 只执行 select 语句；update 语句要用 ExecSQL 执行"},
    {Msg::QueryExecNeedsUpdate, "ExecSQL 只执行 update 语句；select 语句要用 Open 执行"},
    {Msg::QueryNotOpen, "{0}：查询未打开"},
    {Msg::ParameterNotFound, "找不到参数“{0}”"},
    {Msg::ParameterWithoutValue, "参数“{0}”没有值"},
    {Msg::FieldNotFound, "找不到字段“{0}”"},
    {Msg::FieldNoCurrentRow, "字段“{0}”：没有当前行（已到数据末尾）"},
    {Msg::OnlyIntegerValues, "列“{0}”：只能写入整数值"},

    {Msg::StatementUnsupported, "不支持语句“{0}”：{1}"},
    {Msg::StatementBadName, "[名称] 没有闭合或为空"},
    {Msg::StatementBadNumber, "“{0}”不是数字"},
    {Msg::StatementUnexpected, "意外的“{0}”"},
    {Msg::StatementOnlySelectStar, "只支持“select *”"},
    {Msg::StatementExpected, "此处应为“{0}”"},
    {Msg::StatementExpectedTableName, "此处应为表名"},
    {Msg::StatementExpectedColumnName, "此处应为列名"},
    {Msg::StatementEqualsAfterColumn, "列名后应为“=”"},
    {Msg::StatementOnlySelectUpdate, "只支持 select 和 update 语句"},
    {Msg::StatementOnlyEquality, "只支持“列 = 值”形式的条件"},
    {Msg::StatementSelectWithParameter, "select 语句不带参数"},
    {Msg::StatementUpdateNeedsWhere, "update 语句需要 where 子句"},
    {Msg::StatementNumberOutOfRange, "数字 {0} 超出范围"},
    {Msg::StatementExpectedValue, "此处应为整数或 :参数"},
};

constexpr bool InEnumOrder() {
    if (std::size(kTexts) != static_cast<size_t>(Msg::Count))
        return false;
    for (size_t i = 0; i < std::size(kTexts); ++i)
        if (static_cast<size_t>(kTexts[i].first) != i)
            return false;
    return true;
}
static_assert(InEnumOrder(), "one text per message, in the order of Msg");

} // namespace

std::string_view MessageTemplate(Msg id) {
    auto i = static_cast<size_t>(id);
    return i < std::size(kTexts) ? kTexts[i].second : "";
}

std::string Say(Msg id, const std::vector<std::string>& args) {
    std::string_view t = MessageTemplate(id);
    std::string out;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '{' && i + 2 < t.size() && t[i + 1] >= '0' && t[i + 1] <= '9' && t[i + 2] == '}') {
            size_t n = static_cast<size_t>(t[i + 1] - '0');
            if (n < args.size())
                out += args[n];
            i += 2;
        } else {
            out += t[i];
        }
    }
    return out;
}

std::string SystemErrorText(int error) {
    switch (error) {
    case EACCES:
    case EPERM: return "没有访问权限";
    case ENOENT: return "文件或文件夹不存在";
    case ENOTDIR: return "路径中有一段不是文件夹";
    case EISDIR: return "这是一个文件夹";
    case EROFS: return "文件系统是只读的";
    case ENOSPC: return "磁盘空间不足";
    case EDQUOT: return "超出了磁盘配额";
    case EIO: return "输入输出错误";
    case ENAMETOOLONG: return "路径太长";
    case EMFILE:
    case ENFILE: return "打开的文件太多";
    default: return "系统错误 " + std::to_string(error) + "：" + std::strerror(error);
    }
}

} // namespace bank::jet
