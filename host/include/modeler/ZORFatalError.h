#pragma once
// The fatal-error routine: stops the program with "AssertionFailed:<condition>", the source path
// and the line. Tests replace the handler to observe a fatal path; a handler must not return
// (it may throw a test's own exception).

#include <string>

using ZORFatalErrorHandler = void (*)(const char* condition, const char* path, int line);

// `condition` null means "0", the plain allocation-failure stop.
[[noreturn]] void ZORFatalError(const char* condition, const char* path, int line);

// Installs `handler` (null restores the default one); answers the previous handler.
ZORFatalErrorHandler ZORSetFatalErrorHandler(ZORFatalErrorHandler handler);

// The line the routine prints: "AssertionFailed:<condition> <path> <line>".
std::string ZORFatalErrorText(const char* condition, const char* path, int line);

#define ZOR_ASSERT(cond)                                   \
  do {                                                     \
    if (!(cond)) ZORFatalError(#cond, __FILE__, __LINE__); \
  } while (0)
