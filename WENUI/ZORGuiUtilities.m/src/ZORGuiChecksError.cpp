#include "ZORGuiChecksError.h"

ZORGuiChecksError::ZORGuiChecksError(unsigned int id) : ZORGuiCheckError(id) {}

ZORGuiChecksError::ZORGuiChecksError(unsigned int id, const char* message, const char* catalog)
    : ZORGuiCheckError(id, message, catalog) {}

ZORGuiChecksError::ZORGuiChecksError(const char* message, const char* catalog)
    : ZORGuiCheckError(message, catalog) {}

ZORGuiChecksError::ZORGuiChecksError(const ZORGuiChecksError& other)
    : ZORBaseUnknown(), ZORGuiCheckError(other) {
  // Each copy owns its sub-errors: sharing them would have both release the same ones.
  for (const ZORVar<ZORGuiCheckError>& error : other.errors_) {
    ZORError* clone = error ? error->CloneSelf() : nullptr;
    errors_.Append(ZORVar<ZORGuiCheckError>(dynamic_cast<ZORGuiCheckError*>(clone)));
    if (clone) clone->Release();  // the list holds its own reference
  }
}

ZORGuiChecksError::~ZORGuiChecksError() {
  errors_.RemoveAll();
}

void ZORGuiChecksError::Setup(const char* path, int line) {
  ZORError::Setup(path, line);
}

ZORError* ZORGuiChecksError::CloneSelf() const {
  return new ZORGuiChecksError(*this);
}

void ZORGuiChecksError::GetErrorTable(unsigned int* count, ZORErrDsc** table) const {
  if (count) *count = 0;
  if (table) *table = nullptr;
}
