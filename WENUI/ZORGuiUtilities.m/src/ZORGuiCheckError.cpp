#include "ZORGuiCheckError.h"

#include "ZORGmoTopologicalTools.h"

ZORGuiCheckError::ZORGuiCheckError(unsigned int id) : ZORGuiInputError(id) {}

ZORGuiCheckError::ZORGuiCheckError(unsigned int id, const char* message, const char* catalog)
    : ZORGuiInputError(id, message, catalog) {}

ZORGuiCheckError::ZORGuiCheckError(const char* message, const char* catalog)
    : ZORGuiInputError(message, catalog) {}

ZORGuiCheckError::ZORGuiCheckError(const ZORGuiCheckError& other) = default;

ZORGuiCheckError::~ZORGuiCheckError() = default;

void ZORGuiCheckError::Setup(const char* path, int line) {
  ZORError::Setup(path, line);
}

ZORError* ZORGuiCheckError::CloneSelf() const {
  return new ZORGuiCheckError(*this);
}

void ZORGuiCheckError::GetErrorTable(unsigned int* count, ZORErrDsc** table) const {
  if (count) *count = 0;
  if (table) *table = nullptr;
}

void ZORGuiCheckError::SetBody(ZORBody* body) {
  if (body == body_.get()) return;  // a second holder would remove it from its factory early
  if (!body) {
    body_.reset();
    return;
  }
  body->AddRef();
  body_ = std::shared_ptr<ZORBody>(body, [](ZORBody* held) {
    ZORGmoTopologicalTools::Remove(held);
    held->Release();
  });
}

ZORBody* ZORGuiCheckError::GetBody() const {
  return body_.get();
}
