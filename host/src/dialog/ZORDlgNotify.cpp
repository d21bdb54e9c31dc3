#include "ZORDlgNotify.h"

#include "ZORFaultGate.h"
#include "ZORNotifyAnswers.h"
#include "ZORShownMessageJournal.h"
#include "ZORVar.h"

ZORShownMessage ZORDlgNotify::Describe(bool blocking) const {
  ZORShownMessage shown;
  shown.name = GetName();
  shown.className = ZORString(IsA());
  shown.title = GetTitle();
  shown.text = text_;
  shown.style = GetStyle();
  shown.blocking = blocking;
  return shown;
}

int ZORDlgNotify::DisplayBlocked(const ZORUnicodeString& message, const ZORUnicodeString& title) {
  if (!ZORFaultGate::Pass("ZORDlgNotify::DisplayBlocked")) return 0;
  ZORVar<ZORDlgNotify> keep(this);
  SetText(message);
  SetTitle(title);
  ZORShownMessage shown = Describe(true);
  // The box is on screen while the answer is asked for, so a provider can look at it.
  blocked_ = true;
  const int previous = GetVisibility();
  SetVisibility(kShown);
  const int answer = ZORNotifyAnswers::Answer(shown);
  SetVisibility(previous);
  blocked_ = false;
  shown.answer = answer;
  ZORShownMessageJournal::Record(std::move(shown));
  return answer;
}

void ZORDlgNotify::OnVisibilityChanged(int previous) {
  ZORDlgDialog::OnVisibilityChanged(previous);
  if (blocked_ || GetVisibility() != kShown) return;
  ZORShownMessageJournal::Record(Describe(false));
}
