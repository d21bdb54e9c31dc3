#include "ZORGuiCheckErrorViewer.h"

#include <memory>

#include "ZOR3DCustomRep.h"
#include "ZORGmoTopologicalTools.h"
#include "ZORGuiFlagGP.h"
#include "ZORMathPointf.h"
#include "ZORWENUIPanelError.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORGuiCheckErrorViewer";

// A flag's text height, staff height, kind and size factor.
constexpr int kTextHeight = 14;
constexpr int kStaffHeight = 3;
constexpr int kFlagKind = 0;
constexpr float kSizeFactor = 1.5F;

HRESULT Return(bool success, int line) {
  return ZORError::GetReturn(success ? 1 : 0, kSource, line);
}

// The panel shows a copy: the caller keeps the error it appended.
void ShowInPanel(const ZORError& error) {
  ZORWENUIPanelError::ShowAndFlush(error.CloneSelf());
}

ZORListValZORUnicodeString TextsOf(const ZORError& error) {
  ZORListValZORUnicodeString texts;
  for (const ZORUnicodeString& text : {error.GetNLSRequest(), error.GetNLSDiagnostic()}) {
    if (!text.IsEmpty()) texts.Append(text);
  }
  return texts;
}

}  // namespace

ZORGuiCheckErrorViewer::ZORGuiCheckErrorViewer() = default;

ZORGuiCheckErrorViewer::~ZORGuiCheckErrorViewer() = default;

HRESULT ZORGuiCheckErrorViewer::Append(ZORError* error) {
  if (!error) return Return(false, __LINE__);
  if (error->IsAKindOf("ZORGuiChecksError")) {
    Append(static_cast<ZORGuiChecksError*>(error));
  } else if (error->IsAKindOf("ZORGuiCheckError")) {
    Append(static_cast<ZORGuiCheckError*>(error));
  } else {
    ShowInPanel(*error);
  }
  return Return(true, __LINE__);
}

HRESULT ZORGuiCheckErrorViewer::Append(ZORGuiCheckError* error) {
  if (!error) return Return(false, __LINE__);
  const ZORListValZORUnicodeString texts = TextsOf(*error);
  ZORBody* body = error->GetBody();
  if (!body) {
    ShowInPanel(*error);
    return Return(false, __LINE__);
  }
  const int domains = body->GetNumberOfDomains();
  for (int index = 1; index <= domains; ++index) {
    ZORDomain* domain = body->GetDomain(index);
    ZORMathPoint centre;
    ZORGmoTopologicalTools::GetCenterOfGravity(domain, centre);
    if (!texts.IsEmpty()) {
      auto flag = std::make_unique<ZORGuiFlagGP>(ZORMathPointf(centre), kTextHeight, kStaffHeight,
                                                 kFlagKind, kSizeFactor);
      flag->AssociateTexts(texts);
      auto drawing = ZORMake<ZOR3DCustomRep>();
      drawing->AddGP(std::move(flag), ZORGraphicAttributeSet());
      if (FAILED(ZORGuiBagRep::Append(drawing.get()))) return Return(false, __LINE__);
    }
    if (FAILED(ZORGuiBagRep::Append(domain, body, nullptr))) return Return(false, __LINE__);
  }
  if (domains == 0) ShowInPanel(*error);
  return Return(true, __LINE__);
}

HRESULT ZORGuiCheckErrorViewer::Append(ZORGuiChecksError* error) {
  if (!error) return Return(false, __LINE__);
  const ZORListPtrZORGuiCheckError& errors = error->GetErrorList();
  for (const ZORVar<ZORGuiCheckError>& sub : errors) Append(sub.get());
  if (errors.IsEmpty()) ShowInPanel(*error);
  return Return(true, __LINE__);
}
