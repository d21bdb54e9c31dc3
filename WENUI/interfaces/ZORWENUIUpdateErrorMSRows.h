#pragma once
//! \class ZORWENUIUpdateErrorMSRows
//! The rows of the update-error command: each feature in error with its first and second parent,
//! in the order of the panel's rows. Rows leave from anywhere, in logarithmic time, and the others
//! keep their order.

#include <vector>

#include "ZORListValZORISpecObject_var.h"
#include "ZORRankedList.h"

class ZORWENUIUpdateErrorMSRows {
 public:
  struct Row {
    ZORISpecObject_var feature;
    ZORISpecObject_var parent1;  // null: none known
    ZORISpecObject_var parent2;
  };

  //! One row per feature, without parents.
  explicit ZORWENUIUpdateErrorMSRows(const ZORListValZORISpecObject_var& features);

  int Size() const { return rows_.Size(); }
  bool IsEmpty() const { return rows_.IsEmpty(); }
  //! The row at `row` (0-based); `row` must be below Size().
  Row& At(int row) { return rows_[row]; }
  const Row& At(int row) const { return rows_[row]; }

  //! Takes out the rows given (0-based, each below Size()).
  void Remove(const std::vector<int>& rows) { rows_.Remove(rows); }
  void Clear() { rows_.Clear(); }

  //! One list per column, in row order.
  ZORListValZORISpecObject_var Features() const { return Column(&Row::feature); }
  ZORListValZORISpecObject_var FirstParents() const { return Column(&Row::parent1); }
  ZORListValZORISpecObject_var SecondParents() const { return Column(&Row::parent2); }

 private:
  ZORListValZORISpecObject_var Column(ZORISpecObject_var Row::*member) const;

  ZORRankedList<Row> rows_;
};
