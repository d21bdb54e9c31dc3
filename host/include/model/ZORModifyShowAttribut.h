#pragma once
// The show attribute of a feature changed (0 shown, 1 no-show).

#include "ZORModelEvent.h"
#include "ZORShowAttribut.h"

class ZORModifyShowAttribut : public ZORModelEvent {
  ZOR_DECLARE_CLASS(ZORModifyShowAttribut, ZORModelEvent, ZORMetaObject::Implementation, "System")

  ZORModifyShowAttribut(ZORBaseUnknown_var object, ZORShowAttribut show, int first = 0,
                        int second = 0)
      : ZORModelEvent(std::move(object)), show_(show), first_(first), second_(second) {}

  ZORShowAttribut GetShow() const { return show_; }
  int GetFirst() const { return first_; }
  int GetSecond() const { return second_; }

 protected:
  std::string Details() const override {
    return "show=" + std::to_string(show_) + " " + std::to_string(first_) + " " +
           std::to_string(second_);
  }

 private:
  ZORShowAttribut show_;
  int first_;
  int second_;
};
