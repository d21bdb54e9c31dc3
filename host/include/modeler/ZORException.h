#pragma once
// The root of every error object the host raises. Most are ZORError; the few that are not get
// their own report call from the protected section that catches them.

#include "ZORBaseUnknown.h"
#include "ZORUnicodeString.h"

class ZORException : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORException, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  ZORException() = default;
  explicit ZORException(ZORUnicodeString description) : description_(std::move(description)) {}

  const ZORUnicodeString& GetDescription() const { return description_; }

 private:
  ZORUnicodeString description_;
};

// The report call for an error object that is not a ZORError: one abend-log line naming its
// class, the given source path and line (both may be empty).
void ZORReportException(const ZORException* error, const char* path = "", int line = 0);
