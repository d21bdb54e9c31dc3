#pragma once
// The names nearest to one a user mistyped, for error messages that say what exists.

#include <string>
#include <vector>

class ZORClosestNames {
 public:
  //! Up to `count` of `names` nearest to `wanted` by edit distance (letters compared without
  //! case), nearest first, ties in the order given.
  static std::vector<std::string> Find(const std::string& wanted,
                                       const std::vector<std::string>& names,
                                       std::size_t count = 3);
  //! " (closest: A, B, C)", or nothing when there are no names.
  static std::string Hint(const std::string& wanted, const std::vector<std::string>& names);
  //! The number of letters to insert, delete or change to turn `a` into `b`, ignoring case.
  static std::size_t Distance(const std::string& a, const std::string& b);
};
