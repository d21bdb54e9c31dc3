#pragma once
// Protected sections: host calls that may raise run inside one; an error object raised there is
// caught and handed back to the caller, which shows, flushes or reports it.

#include "ZORError.h"
#include "ZORException.h"
#include "ZORFaultGate.h"

// Raises `error` (the raiser gives its reference to whoever catches it).
[[noreturn]] void ZORRaise(ZORException* error);

// Runs `body`; answers the error object raised inside it (the caller owns it), or null.
template <class Body>
ZORException* ZORProtect(Body&& body) {
  ZORProtectionScope scope;
  try {
    body();
  } catch (ZORException* raised) {
    return raised;
  }
  return nullptr;
}

// The usual ending of a protected section: a ZORError goes to `onError` (or is flushed when
// none is given), any other error object gets its report call and is released.
// Answers whether an error was caught.
template <class OnError>
bool ZORHandleCaught(ZORException* caught, OnError&& onError) {
  if (!caught) return false;
  if (ZORError* error = ZORError::Cast(caught)) {
    onError(error);
  } else {
    ZORReportException(caught);
    caught->Release();
  }
  return true;
}

inline bool ZORHandleCaught(ZORException* caught) {
  return ZORHandleCaught(caught, [](ZORError* error) { error->Flush(); });
}
