#pragma once
// The pick paths of one pick, nearest first; the list holds a reference on each. Positions
// count from 1.

#include <vector>

#include "ZORPickPath.h"

class ZORPickPathList {
 public:
  int Size() const { return static_cast<int>(paths_.size()); }
  //! The path at `position` (1..Size); null outside.
  ZORPickPath* GetPath(int position) const;
  //! Appends `path` with a reference; null is ignored.
  void Append(ZORPickPath* path);
  void Empty() { paths_.clear(); }

 private:
  std::vector<ZORPickPath_var> paths_;
};
