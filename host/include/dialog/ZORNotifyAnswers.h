#pragma once
// There is no user in a headless host: a blocked message box takes its answer from here. A
// driver either installs a provider, which sees what the box shows, or scripts answers: queued
// answers are given in order, then the default answer.

#include <cstddef>
#include <functional>

#include "ZORShownMessage.h"

class ZORNotifyAnswers {
 public:
  using Provider = std::function<int(const ZORShownMessage&)>;

  // A provider answers every box while it is installed; an empty one uninstalls it.
  static void SetProvider(Provider provider);
  static void Queue(int answer);
  static std::size_t QueuedCount();
  static void SetDefault(int answer);
  static int GetDefault();
  // No provider, nothing queued, default answer 0.
  static void Reset();

  // The answer to the box that shows `shown`.
  static int Answer(const ZORShownMessage& shown);
};
