#pragma once
// What a message box or notification panel showed, as the journal of shown messages keeps it.

#include "ZORString.h"
#include "ZORUnicodeString.h"

struct ZORShownMessage {
  ZORString name;       // the box's identifier ("Notify", "ErrorPanel" ...)
  ZORString className;  // the box's class
  ZORUnicodeString title;
  ZORUnicodeString text;
  unsigned long style = 0;
  bool blocking = false;  // shown blocked, waiting for an answer
  int answer = 0;         // the answer of a blocked box; 0 for the others
};
