#include "ZORDialog.h"

#include <sstream>

#include "ZORVar.h"

ZORDialog::ZORDialog(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORCommand(parent, name), parent_(parent), style_(style) {
  // The parent takes over the creation reference.
  if (parent_) parent_->children_.Add(this);
}

ZORDialog::~ZORDialog() {
  for (ZORDialog* child : children_.TakeAll()) {
    child->parent_ = nullptr;
    child->ownerReleased_ = true;
    child->Release();
  }
  if (parent_) parent_->ForgetChild(this);
}

void ZORDialog::ForgetChild(ZORDialog* child) {
  children_.Remove(child);
}

ZORDialog* ZORDialog::FindDescendant(const std::string& name) const {
  for (ZORDialog* child : children_.Items()) {
    if (child->GetName().str() == name) return child;
    if (ZORDialog* found = child->FindDescendant(name)) return found;
  }
  return nullptr;
}

ZORDialog* ZORDialog::FindChild(const ZORString& path) const {
  const std::string& text = path.str();
  if (text.empty()) return nullptr;
  const ZORDialog* from = this;
  std::size_t start = 0;
  while (from) {
    const std::size_t slash = text.find('/', start);
    ZORDialog* found = from->FindDescendant(text.substr(start, slash - start));
    if (slash == std::string::npos || !found) return found;
    from = found;
    start = slash + 1;
  }
  return nullptr;
}

void ZORDialog::SetSensitivity(int sensitivity) {
  if (sensitivity == kSensitive || sensitivity == kInsensitive) sensitivity_ = sensitivity;
}

void ZORDialog::SetVisibility(int visibility) {
  if (visibility != kShown && visibility != kHidden) return;
  if (visibility == visibility_) return;
  const int previous = visibility_;
  visibility_ = visibility;
  OnVisibilityChanged(previous);
}

bool ZORDialog::IsUserReachable() const {
  for (const ZORDialog* w = this; w; w = w->parent_) {
    if (w->visibility_ != kShown || w->sensitivity_ != kSensitive) return false;
    if (w->IsDestructionRequested()) return false;
    // A window stands on its own: its parent's state does not hide it.
    if (w->IsWindow()) return true;
  }
  return true;
}

void ZORDialog::Destroy() {
  if (IsDestructionRequested() || ownerReleased_) return;
  ownerReleased_ = true;
  if (parent_) {
    parent_->ForgetChild(this);
    parent_ = nullptr;
  }
  Release();
}

void ZORDialog::RequestDelayedDestruction() {
  if (ownerReleased_) return;
  ZORCommand::RequestDelayedDestruction();
}

void ZORDialog::OnDestructionRequested() {
  // The owner's reference goes to the transaction: the parent only forgets the child.
  if (!parent_) return;
  parent_->ForgetChild(this);
  parent_ = nullptr;
}

bool ZORDialog::SendUserNotification(ZORNotification* notification) {
  ZORVar<ZORDialog> keep(this);
  return SendNotification(this, notification);
}

void ZORDialog::SetHorizontalAttachment(int tab, int value,
                                        std::initializer_list<ZORDialog*> children) {
  for (ZORDialog* child : children) {
    if (child) attachments_.push_back({true, tab, value, child->GetName()});
  }
}

void ZORDialog::SetVerticalAttachment(int tab, int value,
                                      std::initializer_list<ZORDialog*> children) {
  for (ZORDialog* child : children) {
    if (child) attachments_.push_back({false, tab, value, child->GetName()});
  }
}

bool ZORDialog::ReplaceAttachedChild(const ZORDialog* previous, const ZORDialog* replacement) {
  if (!previous || !replacement) return false;
  for (TabAttachment& attachment : attachments_) {
    if (attachment.child == previous->GetName()) attachment.child = replacement->GetName();
  }
  return true;
}

std::string ZORDialog::DescribeAttachments() const {
  // Consecutive attachments to the same tab share one entry.
  std::ostringstream out;
  const TabAttachment* last = nullptr;
  for (const TabAttachment& attachment : attachments_) {
    const bool same = last && last->horizontal == attachment.horizontal &&
                      last->tab == attachment.tab && last->value == attachment.value;
    if (same) {
      out << "," << attachment.child;
    } else {
      out << (last ? " " : "") << (attachment.horizontal ? "H" : "V") << attachment.tab << "="
          << attachment.value << ":" << attachment.child;
    }
    last = &attachment;
  }
  return out.str();
}
