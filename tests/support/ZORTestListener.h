#pragma once
// A command that subscribes to notifications of other commands and writes what it received, in
// order, to a log that tests compare: each entry is the tag given when subscribing, followed by
// whatever `describe` adds at delivery time.

#include <functional>
#include <string>
#include <vector>

#include "ZORCommand.h"

class ZORTestListener : public ZORCommand {
 public:
  using Describe = std::function<std::string()>;

  explicit ZORTestListener(ZORCommand* father = nullptr) : ZORCommand(father, "TestListener") {}

  ZORCallback Listen(ZORCommand* sender, ZORNotification* notification, std::string tag,
                     Describe describe = nullptr) {
    return AddAnalyseNotificationCB(
        sender, notification,
        [this, tag = std::move(tag), describe = std::move(describe)](ZORCommand*, ZORNotification*,
                                                                     ZORCallbackData) {
          log.push_back(describe ? tag + describe() : tag);
        },
        nullptr);
  }

  // The same for every notification of a class.
  ZORCallback Listen(ZORCommand* sender, const char* notificationClass, std::string tag) {
    return AddAnalyseNotificationCB(
        sender, notificationClass,
        [this, tag = std::move(tag)](ZORCommand*, ZORNotification*, ZORCallbackData) {
          log.push_back(tag);
        },
        nullptr);
  }

  std::vector<std::string> log;
};
