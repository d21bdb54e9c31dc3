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
  //! One row: a feature in error and what it was made from.
  struct Row {
    //! The feature that failed its update.
    ZORISpecObject_var feature;
    //! Its first parent (list-1 input); null when none is known.
    ZORISpecObject_var parent1;
    //! Its second parent, for a feature made from two inputs; null otherwise.
    ZORISpecObject_var parent2;
  };

  //! One row per feature, without parents.
  explicit ZORWENUIUpdateErrorMSRows(const ZORListValZORISpecObject_var& features);

  //! The number of rows left.
  int Size() const { return rows_.Size(); }
  //! Whether every row has left.
  bool IsEmpty() const { return rows_.IsEmpty(); }
  //! The row at `row` (0-based), to change its parents; `row` must be below Size().
  Row& At(int row) { return rows_[row]; }
  //! The row at `row` (0-based), read only; `row` must be below Size().
  const Row& At(int row) const { return rows_[row]; }

  //! Takes out the rows given (0-based, each below Size()).
  void Remove(const std::vector<int>& rows) { rows_.Remove(rows); }
  //! Takes out every row.
  void Clear() { rows_.Clear(); }

  //! The features, in row order (row r at position r + 1).
  ZORListValZORISpecObject_var Features() const { return Column(&Row::feature); }
  //! The first parents, in row order (null entries where none is known).
  ZORListValZORISpecObject_var FirstParents() const { return Column(&Row::parent1); }
  //! The second parents, in row order (null entries where none is known).
  ZORListValZORISpecObject_var SecondParents() const { return Column(&Row::parent2); }

 private:
  ZORListValZORISpecObject_var Column(ZORISpecObject_var Row::*member) const;

  ZORRankedList<Row> rows_;
};
