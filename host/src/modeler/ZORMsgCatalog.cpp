#include "ZORMsgCatalog.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <unordered_map>

#include "ZORFaultGate.h"

#ifndef ZOR_DEFAULT_RESOURCE_DIR
#define ZOR_DEFAULT_RESOURCE_DIR "resources"
#endif

namespace {

struct CatalogCache {
  std::string directory;
  // A missing catalog is remembered as such, so that it is not looked for again.
  std::unordered_map<std::string, std::optional<ZORMsgCatalog::Entries>> catalogs;
};

// Installed, the resources stand in the prefix's share folder, beside the lib folder that holds
// this library; empty when this library is not installed so.
std::string InstalledResourceDirectory() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<void*>(&InstalledResourceDirectory), &info) || !info.dli_fname) {
    return std::string();
  }
  const std::filesystem::path library(info.dli_fname);
  const std::filesystem::path resources =
      library.parent_path() / ".." / "share" / "ZORGuiUtilities" / "resources";
  std::error_code error;
  return std::filesystem::is_directory(resources, error) ? resources.string() : std::string();
}

CatalogCache& Cache() {
  static CatalogCache cache = [] {
    CatalogCache c;
    const char* env = std::getenv("ZOR_RESOURCES");
    const std::string installed = InstalledResourceDirectory();
    c.directory = env && *env ? env : !installed.empty() ? installed : ZOR_DEFAULT_RESOURCE_DIR;
    return c;
  }();
  return cache;
}

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

// Trims a value, keeping a blank at its end that a backslash escapes ("a\ " ends with a blank).
std::string_view TrimValue(std::string_view raw, std::string_view trimmed) {
  if (trimmed.empty()) return trimmed;
  const std::size_t end = static_cast<std::size_t>(trimmed.data() - raw.data()) + trimmed.size();
  if (end >= raw.size()) return trimmed;
  std::size_t backslashes = 0;
  while (backslashes < trimmed.size() && trimmed[trimmed.size() - 1 - backslashes] == '\\') {
    ++backslashes;
  }
  return backslashes % 2 == 1 ? std::string_view(trimmed.data(), trimmed.size() + 1) : trimmed;
}

std::string Unescape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      const char next = s[++i];
      out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    } else {
      out += s[i];
    }
  }
  return out;
}

const ZORMsgCatalog::Entries* Load(const std::string& name) {
  CatalogCache& cache = Cache();
  auto it = cache.catalogs.find(name);
  if (it == cache.catalogs.end()) {
    std::optional<ZORMsgCatalog::Entries> entries;
    // A name that could leave the resource directory is no catalog.
    if (!name.empty() && name.find('/') == std::string::npos &&
        name.find("..") == std::string::npos) {
      std::ifstream in(cache.directory + "/" + name + ".msg", std::ios::binary);
      if (in) {
        std::ostringstream text;
        text << in.rdbuf();
        entries = ZORMsgCatalog::Parse(text.str());
      }
    }
    it = cache.catalogs.emplace(name, std::move(entries)).first;
  }
  return it->second ? &*it->second : nullptr;
}

}  // namespace

ZORMsgCatalog::Entries ZORMsgCatalog::Parse(std::string_view text,
                                            std::vector<std::string>* problems) {
  Entries entries;
  int lineNumber = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == '#') continue;
    const auto eq = line.find('=');
    const std::string_view key =
        eq == std::string_view::npos ? std::string_view() : Trim(line.substr(0, eq));
    if (key.empty()) {
      if (problems)
        problems->push_back("line " + std::to_string(lineNumber) + ": no \"key = text\"");
      continue;
    }
    const std::string_view value = Trim(line.substr(eq + 1));
    entries.insert_or_assign(std::string(key), Unescape(TrimValue(raw, value)));
  }
  return entries;
}

std::string ZORMsgCatalog::Substitute(std::string_view text, const ZORUnicodeString* params,
                                      int paramCount) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool placeholder = text[i] == '{' && i + 2 < text.size() && text[i + 1] >= '1' &&
                             text[i + 1] <= '9' && text[i + 2] == '}';
    const int n = placeholder ? text[i + 1] - '0' : 0;
    if (placeholder && params && n <= paramCount) {
      out += params[n - 1].str();
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

ZORUnicodeString ZORMsgCatalog::BuildMessage(const ZORString& catalog, const ZORString& key,
                                             const ZORUnicodeString* params, int paramCount,
                                             const ZORUnicodeString& defaultText) {
  std::string_view text = defaultText.str();
  if (ZORFaultGate::Pass("ZORMsgCatalog::BuildMessage")) {
    if (const Entries* entries = Load(catalog.str())) {
      auto it = entries->find(key.str());
      if (it != entries->end()) text = it->second;
    }
  }
  return ZORUnicodeString(Substitute(text, params, paramCount));
}

ZORUnicodeString ZORMsgCatalog::BuildMessage(const ZORString& catalog, const ZORString& key,
                                             const ZORListValZORUnicodeString& params,
                                             const ZORUnicodeString& defaultText) {
  return BuildMessage(catalog, key, params.std().data(), params.Size(), defaultText);
}

ZORString ZORMsgCatalog::ResourceFileOfLevel(const ZORMetaObject* meta, int level) {
  if (level < 0) return ZORString();
  for (; meta && level > 0; --level) meta = meta->GetBase();
  // The root component class has no resources of its own.
  if (!meta || !meta->GetBase()) return ZORString();
  return ZORString(meta->ClassName());
}

bool ZORMsgCatalog::CatalogExists(const ZORString& catalog) {
  return Load(catalog.str()) != nullptr;
}

bool ZORMsgCatalog::HasKey(const ZORString& catalog, const ZORString& key) {
  const Entries* entries = Load(catalog.str());
  return entries && entries->count(key.str()) > 0;
}

void ZORMsgCatalog::SetResourceDirectory(const std::string& directory) {
  Cache().directory = directory;
  ClearCache();
}

const std::string& ZORMsgCatalog::GetResourceDirectory() {
  return Cache().directory;
}

void ZORMsgCatalog::ClearCache() {
  Cache().catalogs.clear();
}
