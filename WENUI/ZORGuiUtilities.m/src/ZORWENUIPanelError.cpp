#include "ZORWENUIPanelError.h"

#include "ZORMsgCatalog.h"
#include "ZORWENUIPanelWindow.h"

namespace {

constexpr const char* kPanelName = "ErrorPanel";
// Severity of a panel built without an error.
constexpr int kNoErrorSeverity = 1;

int SeverityOf(const ZORError* error) {
  return error ? error->GetSeverity() : kNoErrorSeverity;
}

// The error's texts in the order they are shown, with their bits of the mask.
struct MaskedText {
  short bit;
  ZORUnicodeString (ZORError::*text)() const;
};
constexpr MaskedText kMaskedTexts[] = {
    {ZORWENUIPanelError::kRequest, &ZORError::GetNLSRequest},
    {ZORWENUIPanelError::kDiagnostic, &ZORError::GetNLSDiagnostic},
    {ZORWENUIPanelError::kAdvice, &ZORError::GetNLSAdvice},
    {ZORWENUIPanelError::kIdentifier, &ZORError::GetNLSIdentifier}};

}  // namespace

ZORWENUIPanelError::ZORWENUIPanelError(short mask, const ZORError* error, ZORDialog* parent)
    : ZORFrmNotify(ZORWENUIPanelWindow::ParentFor(parent), kPanelName, StyleOf(error)) {
  SetUp(mask, error);
}

ZORWENUIPanelError::ZORWENUIPanelError(const ZORError* error, ZORDialog* parent)
    : ZORWENUIPanelError(kDefaultMask, error, parent) {}

ZORWENUIPanelError::ZORWENUIPanelError(const ZORError* error)
    : ZORWENUIPanelError(kDefaultMask, error, nullptr) {}

void ZORWENUIPanelError::ShowAndFlush(ZORError* error) {
  if (!error) return;
  new ZORWENUIPanelError(error);  // the panel belongs to the main window from now on
  error->Flush();
}

ZORWENUIPanelError::ZORWENUIPanelError(const ZORError* error, const ZORString& identifier)
    : ZORWENUIPanelError(error, identifier, StyleOf(error)) {}

ZORWENUIPanelError::ZORWENUIPanelError(const ZORError* error, unsigned long style)
    : ZORWENUIPanelError(error, ZORString(kPanelName), style) {}

ZORWENUIPanelError::ZORWENUIPanelError(const ZORError* error, const ZORString& identifier,
                                       unsigned long style)
    : ZORFrmNotify(ZORWENUIPanelWindow::ParentFor(nullptr), identifier, style) {
  SetUp(kDefaultMask, error);
}

ZORWENUIPanelError::~ZORWENUIPanelError() = default;

ZORString ZORWENUIPanelError::GetResourceFilename(int level) const {
  if (level < 0) return ZORString();
  if (level == 0) return ZORString(ClassName());
  return ZORMsgCatalog::ResourceFileOfLevel(ZORFrmNotify::MetaObject(), level - 1);
}

void ZORWENUIPanelError::SetUp(short mask, const ZORError* error) {
  SetTitle(GetResourceValueFromKey(TitleKeyOf(error)));
  SetText(TextOf(mask, error));
  ZORWENUIPanelWindow::Open(this);
}

void ZORWENUIPanelError::CancelCB(ZORCommand*, ZORNotification*, ZORCallbackData) {
  ZORWENUIPanelWindow::Close(this);
}

unsigned long ZORWENUIPanelError::StyleOf(const ZORError* error) {
  switch (SeverityOf(error)) {
    case ZORError::kFatal:
      return kFatalStyle;
    case ZORError::kWarning:
      return kWarningStyle;
    case ZORError::kInformation:
      return kInformationStyle;
    default:
      return kCriticalStyle;
  }
}

ZORString ZORWENUIPanelError::TitleKeyOf(const ZORError* error) {
  switch (SeverityOf(error)) {
    case ZORError::kFatal:
      return "FatalErrorTitle";
    case ZORError::kWarning:
      return "WarningTitle";
    case ZORError::kInformation:
      return "InformationTitle";
    default:
      return "CriticalErrorTitle";
  }
}

ZORUnicodeString ZORWENUIPanelError::TextOf(short mask, const ZORError* error) {
  if (!error) return ZORUnicodeString();
  ZORUnicodeString text;
  for (const MaskedText& part : kMaskedTexts) {
    if ((mask & part.bit) == 0) continue;
    text += (error->*part.text)();
    text += "\n";
  }
  return text == "\n\n\n" ? error->GetNLSMessage() : text;
}
