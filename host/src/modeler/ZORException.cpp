#include "ZORException.h"

#include <string>

#include "ZORProtectedSection.h"
#include "ZORSysLogAbend.h"

void ZORReportException(const ZORException* error, const char* path, int line) {
  std::string text = "Unexpected error ";
  text += error ? error->IsA() : "(null)";
  if (path && *path) text += std::string(" at ") + path + ":" + std::to_string(line);
  ZORSysLogAbend(text.c_str());
}

void ZORRaise(ZORException* error) {
  // Raising nothing still has to unwind to the protected section.
  throw error ? error : new ZORException("null error raised");
}
