#include "ZORBaseUnknown.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "ZORBaseExtension.h"
#include "ZORInterfaceDictionary.h"

struct ZORBaseUnknown::Rare {
  struct Extension {
    const ZORDictionaryEntry* entry;
    std::unique_ptr<ZORBaseExtension> object;
  };
  std::string lateType;
  std::vector<Extension> extensions;
};

namespace {

// Components whose extensions are being asked right now: an extension that does not answer
// sends the query back to its component, which must then not ask the extension again.
std::vector<const ZORBaseUnknown*>& ExtensionQueriesInProgress() {
  static std::vector<const ZORBaseUnknown*> inProgress;
  return inProgress;
}

}  // namespace

const ZORMetaObject* ZORBaseUnknown::MetaObject() {
  static const ZORMetaObject meta("ZORBaseUnknown", ZORMetaObject::Implementation, nullptr,
                                  "ZORNull", "System", sizeof(ZORBaseUnknown), nullptr);
  return &meta;
}

const ZORMetaObject* ZORBaseUnknown::GetMetaObject() const {
  return MetaObject();
}

ZORBaseUnknown::~ZORBaseUnknown() {
  delete rare_;
}

ZORBaseUnknown::Rare& ZORBaseUnknown::GetRare() {
  if (!rare_) rare_ = new Rare();
  return *rare_;
}

void ZORBaseUnknown::SetLateType(const std::string& lateType) {
  if (lateType.empty() && !rare_) return;
  GetRare().lateType = lateType;
}

ULONG ZORBaseUnknown::AddRef() {
  return ++refs_;
}

ULONG ZORBaseUnknown::Release() {
  return ReleaseCount(refs_);
}

ULONG ZORBaseUnknown::ReleaseCount(ULONG& count) {
  const ULONG left = --count;
  if (left == 0) delete this;
  return left;
}

HRESULT ZORBaseUnknown::QueryInterface(const IID& iid, void** out) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  if (iid == IID_IUnknown) {
    AddRef();
    *out = this;
    return S_OK;
  }
  return QueryExtension(iid, out);
}

std::string ZORBaseUnknown::GetLateType() const {
  return rare_ && !rare_->lateType.empty() ? rare_->lateType : std::string(IsA());
}

HRESULT ZORBaseUnknown::QueryExtension(const IID& iid, void** out) {
  // Most refusals end here, before the late type, which lies apart from the object.
  if (!ZORDictionaryExtends(iid)) return E_NOINTERFACE;
  // The late type first, then the class names along the inheritance chain.
  // Without a late type the object's own class name stands for it: asked once, not twice.
  const ZORDictionaryEntry* entry =
      rare_ && !rare_->lateType.empty() ? ZORLookupDictionary(rare_->lateType, iid) : nullptr;
  for (const ZORMetaObject* m = GetMetaObject(); !entry && m; m = m->GetBase()) {
    entry = ZORLookupDictionary(m->ClassName(), iid);
  }
  if (!entry || !entry->factory) return E_NOINTERFACE;

  auto& inProgress = ExtensionQueriesInProgress();
  if (std::find(inProgress.begin(), inProgress.end(), this) != inProgress.end()) {
    return E_NOINTERFACE;
  }

  auto& table = GetRare().extensions;
  auto it =
      std::find_if(table.begin(), table.end(), [&](const auto& e) { return e.entry == entry; });
  if (it == table.end()) {
    std::unique_ptr<ZORBaseExtension> created(entry->factory());
    if (!created) return E_NOINTERFACE;
    created->SetExtendedObject(this);
    table.push_back({entry, std::move(created)});
    it = std::prev(table.end());
  }

  inProgress.push_back(this);
  const HRESULT hr = it->object->QueryInterface(iid, out);
  inProgress.pop_back();
  return hr;
}

bool ZORIsSameObject(ZORBaseUnknown* a, ZORBaseUnknown* b) {
  if (!a || !b) return a == b;
  return a->GetImpl() == b->GetImpl();
}
