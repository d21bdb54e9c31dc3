#pragma once
// The session zorhost runs without arguments: the example point command started, a user error,
// an edition run over it and cancelled, then the creation given up.

#include <cstdio>

// Answers the program's exit status: 0 when every step went as a user would expect.
int ZORRunBuiltinSession(std::FILE* out);
