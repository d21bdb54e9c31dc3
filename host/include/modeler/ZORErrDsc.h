#pragma once

// One description of an error class's static error table: an identifier and its message key.
struct ZORErrDsc {
  unsigned int id;
  const char* messageKey;
};
