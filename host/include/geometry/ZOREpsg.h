#pragma once
// The host's angular tolerance: two unit directions whose dot product falls below it are no
// longer taken as pointing the same way.

inline constexpr double ZOREpsg = 1.0e-10;
