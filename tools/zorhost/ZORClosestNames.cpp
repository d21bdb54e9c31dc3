#include "ZORClosestNames.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace {

bool SameLetter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

std::size_t ZORClosestNames::Distance(const std::string& a, const std::string& b) {
  // One row of the classic table at a time.
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t change = diagonal + (SameLetter(a[i - 1], b[j - 1]) ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, change});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::vector<std::string> ZORClosestNames::Find(const std::string& wanted,
                                               const std::vector<std::string>& names,
                                               std::size_t count) {
  std::vector<std::pair<std::size_t, std::size_t>> ranked;  // distance, index
  ranked.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) ranked.emplace_back(Distance(wanted, names[i]), i);
  const std::size_t kept = std::min(count, ranked.size());
  std::partial_sort(ranked.begin(), ranked.begin() + static_cast<long>(kept), ranked.end());
  std::vector<std::string> closest;
  for (std::size_t k = 0; k < kept; ++k) closest.push_back(names[ranked[k].second]);
  return closest;
}

std::string ZORClosestNames::Hint(const std::string& wanted,
                                  const std::vector<std::string>& names) {
  const std::vector<std::string> closest = Find(wanted, names);
  if (closest.empty()) return std::string();
  std::string hint = " (closest: ";
  for (std::size_t i = 0; i < closest.size(); ++i) hint += (i ? ", " : "") + closest[i];
  return hint + ")";
}
