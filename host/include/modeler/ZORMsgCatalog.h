#pragma once
// Message catalogs and dialog resources: plain text files "<name>.msg" in the resource
// directory, one "Key = text" per line. "{1}" ... "{9}" in a text take the parameters;
// "\n" is a newline, "\\" a backslash; lines starting with "#" are comments.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ZORListValZORUnicodeString.h"
#include "ZORMetaObject.h"
#include "ZORString.h"
#include "ZORUnicodeString.h"

class ZORMsgCatalog {
 public:
  using Entries = std::map<std::string, std::string, std::less<>>;

  // The text of `key` in `catalog` with its parameters substituted; `defaultText` (also
  // substituted) when the catalog or the key is missing.
  static ZORUnicodeString BuildMessage(const ZORString& catalog, const ZORString& key,
                                       const ZORUnicodeString* params = nullptr, int paramCount = 0,
                                       const ZORUnicodeString& defaultText = ZORUnicodeString());
  static ZORUnicodeString BuildMessage(const ZORString& catalog, const ZORString& key,
                                       const ZORListValZORUnicodeString& params,
                                       const ZORUnicodeString& defaultText = ZORUnicodeString());

  // The resource file of a dialog class at `level`: the class's own name at level 0, its
  // base's at 1, and so on up the meta-object chain; empty past the host's root class.
  static ZORString ResourceFileOfLevel(const ZORMetaObject* meta, int level);

  static bool CatalogExists(const ZORString& catalog);
  static bool HasKey(const ZORString& catalog, const ZORString& key);

  // Where catalogs are read from. Changing it forgets what was read.
  static void SetResourceDirectory(const std::string& directory);
  static const std::string& GetResourceDirectory();
  // Forgets what was read, so that edited files are read again.
  static void ClearCache();

  // Reads catalog text; every line that is neither blank, a comment nor "key = text" is
  // described in `problems` (with its line number) and skipped.
  static Entries Parse(std::string_view text, std::vector<std::string>* problems = nullptr);
  // Substitutes "{n}" by params[n] (1-based); placeholders without a parameter stay as written.
  static std::string Substitute(std::string_view text, const ZORUnicodeString* params,
                                int paramCount);
};
