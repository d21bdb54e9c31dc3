#include "ZORGuiNLSMessage.h"

#include <vector>

#include "ZORDialogAgent.h"
#include "ZORMsgCatalog.h"

namespace {

constexpr const char* kInternalCatalog = "ZORGuiInternalError";
// Enough for any real resource chain; a command whose files never end stops here.
constexpr int kMaxResourceLevels = 64;

ZORUnicodeString InternalMessage(const char* key, const ZORUnicodeString* param = nullptr) {
  return ZORMsgCatalog::BuildMessage(kInternalCatalog, key, param, param ? 1 : 0);
}

}  // namespace

HRESULT ZORGuiNLSMessage::GetRessource(ZORCommand* command, const ZORString& key,
                                       const ZORListValZORUnicodeString* params,
                                       ZORUnicodeString& text) {
  std::vector<ZORUnicodeString> values;
  if (params) values.assign(params->begin(), params->end());
  const int count = static_cast<int>(values.size());

  for (ZORCommand* c = command; c; c = c->GetFather()) {
    if (!c->IsAKindOf(ZORDialogAgent::ClassName())) continue;
    const ZORString fullKey = c->GetName() + "." + key;
    for (int level = 0; level < kMaxResourceLevels; ++level) {
      const ZORString file = c->GetResourceFilename(level);
      if (file.IsEmpty()) break;
      ZORUnicodeString found =
          ZORMsgCatalog::BuildMessage(file, fullKey, count ? values.data() : nullptr, count);
      if (!found.IsEmpty()) {
        text = found;
        return S_OK;
      }
    }
  }
  text = ZORUnicodeString();
  return E_FAIL;
}

ZORUnicodeString ZORGuiNLSMessage::Resource(ZORCommand* command, const ZORString& key,
                                            const ZORListValZORUnicodeString* params) {
  ZORUnicodeString text;
  GetRessource(command, key, params, text);
  return text;
}

ZORUnicodeString ZORGuiNLSMessage::CommandTitle(ZORCommand* command) {
  const ZORUnicodeString title = Resource(command, "Title", nullptr);
  if (title.IsEmpty()) return InternalMessage("ZORGuiInternalError.Title");
  return InternalMessage("ZORGuiInternalError.TitleInCommand", &title);
}

HRESULT ZORGuiNLSMessage::Build(ZORCommand* command, const ZORString& key,
                                const ZORListValZORUnicodeString* params) {
  if (!command) return E_FAIL;
  title_ = Resource(command, key + ".Title", nullptr);
  if (title_.IsEmpty()) title_ = CommandTitle(command);
  request_ = Resource(command, key + ".Request", nullptr);
  diagnostic_ = Resource(command, key + ".Diagnostic", params);
  message_ = Resource(command, key + ".Message", params);
  shortHelp_ = Resource(command, key + ".ShortHelp", params);
  return S_OK;
}

HRESULT ZORGuiNLSMessage::Build(ZORCommand* command, ZORError*& error) {
  if (!error) return E_FAIL;
  title_ = CommandTitle(command);
  request_ = error->GetNLSRequest();
  diagnostic_ = error->GetNLSDiagnostic();
  const ZORUnicodeString advice = error->GetNLSAdvice();
  if (!diagnostic_.IsEmpty() && !advice.IsEmpty()) diagnostic_ += "\n";
  diagnostic_ += advice;
  message_ = ZORUnicodeString();
  shortHelp_ = ZORUnicodeString();
  return S_OK;
}

ZORUnicodeString ZORGuiNLSMessage::GetMessage() const {
  if (!message_.IsEmpty()) return message_;
  ZORUnicodeString text = request_;
  if (!request_.IsEmpty() && !diagnostic_.IsEmpty()) text += "\n";
  text += diagnostic_;
  return text.IsEmpty() ? InternalMessage("ZORGuiInternalError.Message") : text;
}

ZORUnicodeString ZORGuiNLSMessage::GetDiagnostic() const {
  return diagnostic_.IsEmpty() ? InternalMessage("ZORGuiInternalError.Message") : diagnostic_;
}
