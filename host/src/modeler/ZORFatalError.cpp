#include "ZORFatalError.h"

#include <cstdio>
#include <cstdlib>

namespace {

void DefaultHandler(const char* condition, const char* path, int line) {
  std::fprintf(stderr, "%s\n", ZORFatalErrorText(condition, path, line).c_str());
  std::fflush(stderr);
  std::abort();
}

ZORFatalErrorHandler& CurrentHandler() {
  static ZORFatalErrorHandler handler = &DefaultHandler;
  return handler;
}

}  // namespace

std::string ZORFatalErrorText(const char* condition, const char* path, int line) {
  return std::string("AssertionFailed:") + (condition ? condition : "0") + " " +
         (path ? path : "") + " " + std::to_string(line);
}

void ZORFatalError(const char* condition, const char* path, int line) {
  CurrentHandler()(condition, path, line);
  // A handler that returns would let the program run on after a fatal error.
  std::abort();
}

ZORFatalErrorHandler ZORSetFatalErrorHandler(ZORFatalErrorHandler handler) {
  ZORFatalErrorHandler previous = CurrentHandler();
  CurrentHandler() = handler ? handler : &DefaultHandler;
  return previous;
}
