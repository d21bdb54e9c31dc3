#include "ZORDocument.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "ZORFaultGate.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGmoDatumServices.h"
#include "ZORInlineVector.h"
#include "ZORUpdateEngine.h"

namespace {

// Thirty-two bits keep a feature's serial, count and state in its first cache line.
std::uint32_t lastSerial = 0;

std::uint32_t NextSerial() {
  return ++lastSerial;
}

// The serial the next feature made will have.
std::uint32_t NextSerialPeek() {
  return lastSerial + 1;
}

const ZORFeatureType& BuiltinType(const char* name) {
  const ZORFeatureType* type = ZORFeatureTypeRegistry::Get().Find(name);
  ZOR_ASSERT(type);
  return *type;
}

// Texts in dumps stay on their line.
std::string OneLine(std::string text) {
  ZORString s(std::move(text));
  s.ReplaceAll("\n", "\\n");
  return s.str();
}

}  // namespace

ZORDocument::ZORDocument(std::string name) : name_(std::move(name)) {
  container_ = NewFeature(BuiltinType("ZORFeatCont"));
  part_ = NewFeature(BuiltinType("MechanicalPart"));
  features_.push_back(part_);
}

ZORDocument::~ZORDocument() {
  // Features held elsewhere outlive the document; they must no longer reach it. The references
  // between features that may loop (a result owned by its father) are let go, while every
  // feature is still held, so that nothing outlives its last outside holder.
  std::vector<ZORFeature_var> held(live_.begin(), live_.end());
  for (ZORFeature* f : live_) f->document_ = nullptr;
  live_.clear();
  // A state the marks alone hold goes with them, and what it holds with it; the features' own
  // are then theirs alone and lose their links without being copied.
  marks_.clear();
  for (auto& f : held) DropCrossLinks(f->EditState());
}

void ZORDocument::DropCrossLinks(ZORFeatureState& state) {
  state.mechanicalOwner = nullptr;
  state.inWorkObject = nullptr;
  state.links.clear();
  state.multiSel = ZORMultiSelState();
}

ZORFeature_var ZORDocument::NewFeature(const ZORFeatureType& type) {
  auto feature = ZORMake<ZORFeature>(type, *this, NextSerial());
  const std::string& base = type.GetDisplayBase();
  ZORFeatureState& state = feature->EditState();
  state.name = ZORUnicodeString(base + "." + std::to_string(++nameCounters_[base]));
  // Nothing to compute means nothing out of date.
  feature->EditPlace().upToDate = !type.HasCompute();
  live_.insert(feature.get());
  return feature;
}

ZORFeature_var ZORDocument::CreateFeature(const std::string& typeName, ZORFeature* father) {
  if (!ZORFaultGate::Pass("ZORDocument::CreateFeature")) return nullptr;
  const ZORFeatureType* type = ZORFeatureTypeRegistry::Get().Find(typeName);
  if (!type || type == &BuiltinType("ZORFeatCont") || type == &BuiltinType("MechanicalPart")) {
    return nullptr;
  }
  if (father && (father->document_ != this || !father->IsInDocument() ||
                 !father->Offers(ZORIDescendants::ClassIID()))) {
    return nullptr;
  }
  ZORFeature_var feature = NewFeature(*type);
  features_.push_back(feature);
  if (father) father->Attach(*feature, father->state_->children.size());
  return feature;
}

ZORFeature_var ZORDocument::CreateBRep(ZORFeature* support) {
  if (!support || support->document_ != this || !support->IsInDocument()) return nullptr;
  ZORFeature_var brep = CreateFeature("BRepFeature");
  if (!brep) return nullptr;
  ZORFeatureState& state = brep->EditState();
  state.inputs.push_back({"Support", ZORFeature_var(support)});
  support->LinkUser(*brep);
  state.body = support->state_->body;
  brep->EditPlace().upToDate = support->place_.upToDate && support->state_->body;
  return brep;
}

ZORFeature_var ZORDocument::CreateParameter(const std::string& name, const std::string& magnitude,
                                            double value) {
  if (name.empty()) return nullptr;
  ZORFeature_var parameter = CreateFeature("CkeParm");
  if (!parameter) return nullptr;
  ZORFeatureState& state = parameter->EditState();
  state.name = ZORUnicodeString(name);
  state.magnitude = magnitude;
  state.values["Value"] = value;
  return parameter;
}

ZORFeature_var ZORDocument::Duplicate(const ZORFeature& source, bool withInputs) {
  // Neither the top of a document nor a multi-selection (a template of results) is copied.
  if (source.type_ == &BuiltinType("ZORFeatCont") ||
      source.type_ == &BuiltinType("MechanicalPart") || source.multiSel_) {
    return nullptr;
  }
  ZORFeature_var copy = CreateFeature(source.type_->GetName());
  if (!copy) return nullptr;
  const ZORFeatureState& from = *source.state_;
  ZORFeatureState& to = copy->EditState();
  to.values = from.values;
  copy->EditVis() = source.vis_;
  to.attributes = from.attributes;
  copy->EditPlace().inactive = source.place_.inactive;
  to.contextual = from.contextual;
  to.access = from.access;
  to.magnitude = from.magnitude;
  if (!withInputs || source.document_ != this) return copy;
  for (const auto& input : from.inputs) {
    if (!input.target->IsInDocument()) continue;
    to.inputs.push_back(input);
    input.target->LinkUser(*copy);
  }
  // Same type, values and inputs: same result, as long as the source's is current.
  if (source.place_.upToDate && !from.error && to.inputs.size() == from.inputs.size()) {
    to.body = from.body;
    copy->EditPlace().upToDate = true;
  }
  return copy;
}

ZORFeature_var ZORDocument::DuplicateAsDatum(const ZORFeature& source) {
  const ZORFeatureState& from = *source.state_;
  if (source.document_ != this || !source.place_.upToDate || from.error || !from.body) {
    return nullptr;
  }
  ZORFeature_var datum = Duplicate(source, false);
  if (!datum) return nullptr;
  ZORFeatureState& to = datum->EditState();
  to.body = from.body;
  datum->EditPlace().upToDate = true;
  if (FAILED(ZORGmoDatumServices::SetDatum(static_cast<ZORBaseUnknown*>(datum.get()), 1))) {
    datum->remove();
    return nullptr;
  }
  return datum;
}

ZORFeature_var ZORDocument::CreatePoint(double x, double y, double z, ZORFeature* father) {
  ZORFeature_var point = CreateFeature("WENPoint", father);
  if (!point) return nullptr;
  point->EditState().values = {{"X", x}, {"Y", y}, {"Z", z}};
  return point;
}

std::vector<ZORFeature*> ZORDocument::GetFeatures() const {
  std::vector<ZORFeature*> features;
  features.reserve(features_.size());
  for (const auto& f : features_) features.push_back(f.get());
  return features;
}

std::vector<ZORFeature*> ZORDocument::GetTools() const {
  std::vector<ZORFeature*> tools;
  for (const auto& child : part_->state_->children) tools.push_back(child.get());
  return tools;
}

ZORFeature* ZORDocument::FindByName(const std::string& displayName) const {
  for (const auto& f : features_) {
    if (f->GetDisplayNameText() == displayName) return f.get();
  }
  return nullptr;
}

ZORPathElement ZORDocument::GivePathElementFrom(const ZORBaseUnknown_var& object) const {
  if (!ZORFaultGate::Pass("ZORDocument::GivePathElementFrom")) return ZORPathElement();
  ZORFeature* feature = ZORFeature::From(object.get());
  if (!feature || feature->document_ != this || !feature->IsInDocument()) return ZORPathElement();
  // Features sit a few levels down: their chain is gathered without allocating.
  ZORInlineVector<ZORFeature*, 8> chain;
  for (ZORFeature* f = feature; f; f = f->place_.father) chain.push_back(f);
  // A feature out of the tree has no path, however deep its own subtree.
  if (chain.back() != part_.get()) return ZORPathElement();
  ZORPathElement path;
  for (std::size_t i = chain.size(); i-- > 0;) path.AddChildElement(ZORBaseUnknown_var(chain[i]));
  return path;
}

int ZORDocument::UpdateAll() {
  ZORUpdateEngine::Update(*part_);
  int failed = 0;
  for (const auto& f : features_) failed += f->IsInError() ? 1 : 0;
  return failed;
}

void ZORDocument::DropRemoved(const std::vector<ZORFeature*>& removed) {
  for (ZORFeature* f : removed) features_.Remove(f);
}

void ZORDocument::CountLinks(ZORFeature& feature, bool add) {
  if (!feature.place_.inDocument) return;
  for (auto& input : feature.state_->inputs) {
    add ? input.target->LinkUser(feature) : input.target->UnlinkUser(feature);
  }
  for (auto& link : feature.state_->links) {
    add ? link.target->LinkOwner(feature) : link.target->UnlinkOwner(feature);
  }
}

// ---------------------------------------------------------------- undo

int ZORDocument::SetMark() {
  Mark mark;
  mark.nameCounters = nameCounters_;
  mark.firstSerialAfter = NextSerialPeek();
  const int id = nextMark_++;
  marks_.emplace(id, std::move(mark));
  RestampNewest();
  return id;
}

void ZORDocument::Journal(ZORFeature& feature) {
  feature.journalStamp_ = journalStamp_;
  if (marks_.empty()) return;
  Mark& newest = marks_.rbegin()->second;
  // A feature made since the newest mark leaves the document at any undo to a mark.
  if (feature.serial_ >= newest.firstSerialAfter) return;
  newest.journal.push_back(
      {ZORFeature_var(&feature), feature.state_, feature.place_, feature.vis_});
}

void ZORDocument::RestampNewest() {
  if (marks_.empty()) {
    journalStamp_ = 0;
    return;
  }
  journalStamp_ = ++lastStamp_;
  for (MarkedFeature& kept : marks_.rbegin()->second.journal) {
    kept.feature->journalStamp_ = journalStamp_;
  }
}

HRESULT ZORDocument::UndoToMark(int mark) {
  if (!ZORFaultGate::Pass("ZORDocument::UndoToMark")) return E_FAIL;
  auto it = marks_.find(mark);
  if (it == marks_.end()) return E_INVALIDARG;
  GoToMark(mark);
  // The document is as at the mark: nothing changed since, and later marks are gone.
  marks_.erase(std::next(it), marks_.end());
  it->second.journal.clear();
  RestampNewest();
  return S_OK;
}

HRESULT ZORDocument::GoToMark(int mark) {
  // Only states the document keeps are copied back: nothing here can fail.
  auto from = marks_.find(mark);
  if (from == marks_.end()) return E_INVALIDARG;
  events_.Freeze();  // the states put back may carry other names
  const std::uint32_t firstNew = from->second.firstSerialAfter;

  // Features made since the mark are the tail of the list, which is in creation order.
  std::vector<ZORFeature_var> leaving;
  for (std::size_t i = features_.size(); i-- > 0 && features_[i]->serial_ >= firstNew;) {
    leaving.push_back(features_[i]);
  }
  // The features changed since the mark, each kept first as it is now, so that going forward
  // again finds it; then, for each, its first image at or after the mark.
  std::vector<ZORFeature*> changed;
  ZORPointerMap<ZORFeature, bool> seen;
  for (auto m = from; m != marks_.end(); ++m) {
    for (const MarkedFeature& kept : m->second.journal) {
      ZORFeature* f = kept.feature.get();
      if (f->serial_ < firstNew && seen.TryEmplace(f, true).second) changed.push_back(f);
    }
  }
  for (auto& f : leaving) f->Journal();
  for (ZORFeature* f : changed) f->Journal();
  ZORPointerMap<ZORFeature, const MarkedFeature*> imageOf;
  for (auto m = from; m != marks_.end(); ++m) {
    for (const MarkedFeature& kept : m->second.journal)
      imageOf.TryEmplace(kept.feature.get(), &kept);
  }

  for (auto& f : leaving) {
    // Features made since the mark leave the document with nothing attached.
    CountLinks(*f, false);
    ChildrenChangedAround(*f);
    ZORFeatureState& state = f->state_.Edit();
    state.children.clear();
    state.inputs.clear();
    DropCrossLinks(state);
    f->place_.father = nullptr;
    f->place_.inDocument = false;
    f->ChildrenChanged();
    features_.Remove(f.get());
  }
  std::vector<ZORFeature*> returning;
  for (ZORFeature* f : changed) {
    const MarkedFeature& image = **imageOf.Find(f);
    const bool wasListed = IsListed(*f);
    if ((!f->state_.Shares(image.state) && *f->state_ != *image.state) ||
        f->place_ != image.place) {
      ChildrenChangedAround(*f);
      CountLinks(*f, false);
      f->state_ = image.state;
      f->place_ = image.place;
      CountLinks(*f, true);
    }
    f->vis_ = image.vis;
    ChildrenChangedAround(*f);
    const bool listed = IsListed(*f);
    if (wasListed && !listed) features_.Remove(f);
    if (!wasListed && listed) returning.push_back(f);
  }
  ListAgain(returning);
  nameCounters_ = from->second.nameCounters;
  return S_OK;
}

void ZORDocument::ChildrenChangedAround(ZORFeature& feature) {
  // A multi-selection reads its children: one whose child changed forgets what it derived.
  feature.ChildrenChanged();
  if (feature.place_.father) feature.place_.father->ChildrenChanged();
}

void ZORDocument::ListAgain(std::vector<ZORFeature*> returning) {
  if (returning.empty()) return;
  // The list stays in creation order: one merge by serial.
  const auto bySerial = [](const ZORFeature* a, const ZORFeature* b) {
    return a->serial_ < b->serial_;
  };
  std::sort(returning.begin(), returning.end(), bySerial);
  const std::vector<ZORFeature*> listed = GetFeatures();
  std::vector<ZORFeature*> merged;
  merged.reserve(listed.size() + returning.size());
  std::merge(listed.begin(), listed.end(), returning.begin(), returning.end(),
             std::back_inserter(merged), bySerial);
  ZORFeatureList relisted{ZORFeatureList::Role::kDocument};
  for (ZORFeature* f : merged) relisted.push_back(ZORFeature_var(f));
  features_ = std::move(relisted);
}

void ZORDocument::ForgetMark(int mark) {
  auto it = marks_.find(mark);
  if (it == marks_.end()) return;
  const bool newest = std::next(it) == marks_.end();
  if (it != marks_.begin()) {
    // The mark before now answers for the changes after this one too: it takes the images of
    // features it does not hold yet, which are what they were at both marks.
    Mark& before = std::prev(it)->second;
    ZORPointerMap<ZORFeature, bool> held;
    held.Reserve(before.journal.size());
    for (const MarkedFeature& kept : before.journal) held.TryEmplace(kept.feature.get(), true);
    for (MarkedFeature& kept : it->second.journal) {
      if (kept.feature->serial_ < before.firstSerialAfter &&
          held.TryEmplace(kept.feature.get(), true).second) {
        before.journal.push_back(std::move(kept));
      }
    }
  }
  marks_.erase(it);
  if (newest) RestampNewest();
}

// ---------------------------------------------------------------- dump

std::string ZORDocument::DumpLine(const ZORFeature& f) {
  const ZORFeatureState& s = *f.state_;
  std::string line = f.GetDisplayNameText() + " [" + f.type_->GetName() + "]";
  for (const auto& input : s.inputs)
    line.append(" ").append(input.role).append("=").append(input.target->GetDisplayNameText());
  for (const auto& [name, value] : s.values)
    line.append(" ").append(name).append("=").append(ZORString::Format("%g", value).str());
  if (f.type_->HasCompute() && !f.place_.upToDate) line += " out-of-date";
  if (s.error) line += " in-error(\"" + OneLine(s.error->GetDiagnostic().str()) + "\")";
  for (const auto& warning : s.warnings) line += " warning(\"" + OneLine(warning) + "\")";
  if (f.vis_.GetShow() != ZORShowAttr) line += " hidden";
  if (!f.vis_.GetPick()) line += " unpickable";
  if (f.vis_.GetOpacity() != ZORVisPropertiesValues::kDefaultOpacity) {
    line += " opacity=" + std::to_string(f.vis_.GetOpacity());
  }
  if (f.place_.inactive) line += " inactive";
  if (s.contextual) line += " contextual";
  if (s.privateTool) line += " private";
  if (s.shapeBodyTool) line += " shape-tool";
  if (s.currentItself) line += " current-itself";
  if (s.groupInput) line += " group-input";
  if (s.internal) line += " internal";
  if (s.wenFeatureType != 0) line += " wen-type=" + std::to_string(s.wenFeatureType);
  for (const auto& key : s.attributes) line.append(" attr=").append(key->GetName());
  for (const auto& link : s.links)
    line.append(" ").append(link.role).append(":").append(link.target->GetDisplayNameText());
  // Appended piece by piece: "literal" + temporary trips a false overlap warning in g++ 12.
  if (f.multiSel_) line.append(" ").append(f.multiSel_->Describe());
  if (s.body) line.append(" => ").append(s.body->Describe());
  return line;
}

void ZORDocument::DumpTree(const ZORFeature& feature, int depth, std::string& out) const {
  out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + DumpLine(feature) + "\n";
  for (const auto& child : feature.state_->children) DumpTree(*child, depth + 1, out);
}

std::string ZORDocument::Dump() const {
  std::string out = "Document " + name_ + "\n";
  DumpTree(*part_, 0, out);
  std::string unattached;
  for (const auto& f : features_) {
    if (f != part_ && !f->place_.father) DumpTree(*f, 1, unattached);
  }
  if (!unattached.empty()) out += "Unattached\n" + unattached;
  return out;
}
