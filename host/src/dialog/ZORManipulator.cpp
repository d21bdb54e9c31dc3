#include "ZORManipulator.h"

#include "ZORBeginManipulate.h"
#include "ZOREdit.h"
#include "ZOREndActivate.h"
#include "ZOREndEdit.h"
#include "ZOREndManipulate.h"
#include "ZOREndPreDrop.h"
#include "ZORManipulate.h"
#include "ZORMove.h"
#include "ZORPreDrop.h"

ZORManipulator::ZORManipulator(ZORCommand* father, const ZORString& name)
    : ZORVisuHandle(father, name),
      endActivate_(ZORMake<ZOREndActivate>()),
      beginManipulate_(ZORMake<ZORBeginManipulate>()),
      manipulate_(ZORMake<ZORManipulate>()),
      endManipulate_(ZORMake<ZOREndManipulate>()),
      edit_(ZORMake<ZOREdit>()),
      endEdit_(ZORMake<ZOREndEdit>()),
      move_(ZORMake<ZORMove>()),
      preDrop_(ZORMake<ZORPreDrop>()),
      endPreDrop_(ZORMake<ZOREndPreDrop>()) {}

ZORManipulator::~ZORManipulator() = default;

void ZORManipulator::Destroy() {
  if (IsDestructionRequested()) return;
  SetFather(nullptr);
  RequestDelayedDestruction();
}

void ZORManipulator::Notify(ZORNotification* notification) {
  ZORVar<ZORManipulator> alive(this);
  SendNotification(this, notification);
}

bool ZORManipulator::ClickOn() {
  if (!Click()) return false;
  Notify(endActivate_.get());
  return true;
}

bool ZORManipulator::EditOn() {
  if (!IsPickable() || !MoveOver()) return false;
  Notify(edit_.get());
  Notify(endEdit_.get());
  return true;
}

bool ZORManipulator::MoveOn() {
  if (!IsPickable()) return false;
  if (!IsPreactivated()) return MoveOver();
  Notify(move_.get());
  return true;
}

bool ZORManipulator::CarryOver() {
  if (!IsPickable()) return false;
  Notify(preDrop_.get());
  Notify(endPreDrop_.get());
  return true;
}

bool ZORManipulator::BeginDrag() {
  if (manipulating_ || !IsPickable() || !MoveOver()) return false;
  manipulating_ = true;
  Notify(beginManipulate_.get());
  return true;
}

void ZORManipulator::StepDrag() {
  if (manipulating_) Notify(manipulate_.get());
}

void ZORManipulator::EndDrag() {
  if (!manipulating_) return;
  manipulating_ = false;
  Notify(endManipulate_.get());
}
