// Data types of query parameters, with the names and order of the Windows toolkit's field types.
#pragma once

namespace rovan {

enum TFieldType {
  ftUnknown,     // leaves a parameter's type as it is: the value is bound as what it holds
  ftString,
  ftSmallint,
  ftInteger,
  ftWord,
  ftBoolean,
  ftFloat,
  ftCurrency,
  ftBCD,
  ftDate,
  ftTime,
  ftDateTime,
  ftBytes,
  ftVarBytes,
  ftAutoInc,
  ftBlob,
  ftMemo,
  ftGraphic,
  ftFmtMemo,     // ODBC engine: text stored as ANSI bytes plus one zero byte in a binary column
  ftWideString,  // ODBC engine: an empty text is stored as NULL
  ftLargeint,
  ftWideMemo,
};

}  // namespace rovan
