#include "ZORWENUIUpdateErrorMSRows.h"

namespace {

std::vector<ZORWENUIUpdateErrorMSRows::Row> RowsOf(const ZORListValZORISpecObject_var& features) {
  std::vector<ZORWENUIUpdateErrorMSRows::Row> rows;
  rows.reserve(static_cast<std::size_t>(features.Size()));
  for (const ZORISpecObject_var& feature : features) rows.push_back({feature, nullptr, nullptr});
  return rows;
}

}  // namespace

ZORWENUIUpdateErrorMSRows::ZORWENUIUpdateErrorMSRows(const ZORListValZORISpecObject_var& features)
    : rows_(RowsOf(features)) {}

ZORListValZORISpecObject_var ZORWENUIUpdateErrorMSRows::Column(
    ZORISpecObject_var Row::*member) const {
  ZORListValZORISpecObject_var column;
  rows_.ForEach([&](const Row& row) { column.Append(row.*member); });
  return column;
}
