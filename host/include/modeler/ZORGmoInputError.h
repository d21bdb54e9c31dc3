#pragma once
// Input errors of the modeling services, built from a key of the catalog "ZORGmoInputError".

#include "ZORError.h"

class ZORGmoInputError : public ZORError {
  ZOR_DECLARE_CLASS(ZORGmoInputError, ZORError, ZORMetaObject::Implementation, "System")

  ZORGmoInputError() = default;
  ZORGmoInputError(const char* messageKey, const char* catalog) : ZORError(messageKey, catalog) {}
  explicit ZORGmoInputError(const char* messageKey) : ZORError(messageKey, "ZORGmoInputError") {}

  ZORError* CloneSelf() const override { return new ZORGmoInputError(*this); }
};
