#pragma once
// Input errors of the interactive commands, built from a key of a message catalog
// (usually "ZORGuiInputError").

#include "ZORError.h"

class ZORGuiInputError : public ZORError {
  ZOR_DECLARE_CLASS(ZORGuiInputError, ZORError, ZORMetaObject::Implementation, "System")

  ZORGuiInputError() = default;
  explicit ZORGuiInputError(unsigned int id) : ZORError(id) {}
  ZORGuiInputError(unsigned int id, const char* messageKey, const char* catalog)
      : ZORError(id, messageKey, catalog) {}
  ZORGuiInputError(const char* messageKey, const char* catalog) : ZORError(messageKey, catalog) {}
  // `option` is kept for the panel that shows the error (2048 and the like).
  ZORGuiInputError(const char* messageKey, const char* catalog, unsigned int option)
      : ZORError(messageKey, catalog), option_(option) {}

  ZORError* CloneSelf() const override { return new ZORGuiInputError(*this); }
  unsigned int GetOption() const { return option_; }

 private:
  unsigned int option_ = 0;
};
