#include "ZORPickPathList.h"

ZORPickPath* ZORPickPathList::GetPath(int position) const {
  if (position < 1 || position > Size()) return nullptr;
  return paths_[static_cast<std::size_t>(position - 1)].get();
}

void ZORPickPathList::Append(ZORPickPath* path) {
  if (path) paths_.emplace_back(path);
}
