#pragma once
// A fresh host world for one session of work: a document with its part, an editor on it that is
// the current editor, the application frame, and every host journal and switch back at its
// start. What the session leaves behind (running commands, panels, forced failures) is
// cleared when it goes, so that sessions do not leak into one another.

#include <memory>

#include "ZORDocument.h"
#include "ZORFrmEditor.h"
#include "ZORVar.h"

class ZORHostSession {
 public:
  ZORHostSession();
  ~ZORHostSession();
  ZORHostSession(const ZORHostSession&) = delete;
  ZORHostSession& operator=(const ZORHostSession&) = delete;

  ZORDocument& Document() { return *document_; }
  ZORFrmEditor& Editor() { return *editor_; }

 private:
  static void ResetHost();

  std::unique_ptr<ZORDocument> document_;
  ZORVar<ZORFrmEditor> editor_;
};
