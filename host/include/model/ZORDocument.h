#pragma once
// A document: a container, a part at the top of the feature tree, the tools under the part and
// the features under the tools. Display names are unique in the part ("Point.1", "Point.2").
// The document keeps its features alive, records the model events dispatched on them, keeps
// undo marks, and writes a stable text dump of itself.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "ZORCopyOnWrite.h"
#include "ZOREventLog.h"
#include "ZORFeature.h"
#include "ZORFeatureList.h"
#include "ZORPathElement.h"

class ZORDocument {
 public:
  explicit ZORDocument(std::string name = "Document");
  ~ZORDocument();
  ZORDocument(const ZORDocument&) = delete;
  ZORDocument& operator=(const ZORDocument&) = delete;

  const std::string& GetName() const { return name_; }
  ZORFeature* GetContainer() const { return container_.get(); }
  ZORFeature* GetPart() const { return part_.get(); }

  // A new feature of a registered type, named, in the document; appended under `father` when
  // one is given, fatherless otherwise. Null for an unknown type, a refused father, or when the
  // service fails.
  ZORFeature_var CreateFeature(const std::string& typeName, ZORFeature* father = nullptr);
  // A new tool ("Body", "GeometricalSet", "ShapeBody") appended under the part.
  ZORFeature_var CreateTool(const std::string& typeName) {
    return CreateFeature(typeName, GetPart());
  }
  // A point feature from coordinates, under `father` when given.
  ZORFeature_var CreatePoint(double x, double y, double z, ZORFeature* father = nullptr);

  // A BRep feature designating the result of `support` (what a pick of it makes), fatherless.
  ZORFeature_var CreateBRep(ZORFeature* support);
  // A knowledge parameter named `name` of `magnitude` ("Longueur"), fatherless.
  ZORFeature_var CreateParameter(const std::string& name, const std::string& magnitude,
                                 double value);

  // A copy of `source` (a feature of any document) in this document, nobody's child: its type,
  // values, visual properties, attributes and activity; with `withInputs`, its inputs too when
  // `source` is a feature of this document, and then its result while it is up to date. Null for
  // a container, a part or a multi-selection feature.
  ZORFeature_var Duplicate(const ZORFeature& source, bool withInputs);
  // A datum standing for `source` (a feature of this document): a copy without inputs that keeps
  // the source's current result as its own, nobody's child. Null when the source has no current
  // result, or when Duplicate refuses it.
  ZORFeature_var DuplicateAsDatum(const ZORFeature& source);

  // The features in the document (the part included), in creation order.
  std::vector<ZORFeature*> GetFeatures() const;
  // The tools: the part's children, in order.
  std::vector<ZORFeature*> GetTools() const;
  ZORFeature* FindByName(const std::string& displayName) const;

  // The path from the part down to `object`; unset for an object that is not a feature in this
  // document's tree (or when the service fails).
  ZORPathElement GivePathElementFrom(const ZORBaseUnknown_var& object) const;

  ZOREventLog& GetEventLog() { return events_; }

  // Updates every feature of the tree, tools in order; answers how many features failed.
  int UpdateAll();

  // Undo. A mark records the whole document; UndoToMark gives back exactly that state: tree,
  // order, names, inputs, values, visual properties, results, up-to-date and error state.
  // Features created since leave the document; features removed since come back. The mark
  // stays (the document can go back to it again); marks set after it are forgotten.
  // A mark costs what changes after it: setting one copies nothing, and the document keeps, for
  // each feature at its first change after the newest mark, what it was.
  int SetMark();
  HRESULT UndoToMark(int mark);
  void ForgetMark(int mark);
  bool HasMark(int mark) const { return marks_.count(mark) != 0; }
  // Gives back the state of `mark` as UndoToMark does, but keeps every mark, so that the
  // document can go back and forth between the states of a finished command. It only copies
  // back states the document keeps, so it cannot fail but for an unknown mark (E_INVALIDARG):
  // the host's own undo of a cancelled command never leaves the command's work behind.
  HRESULT GoToMark(int mark);

  // One line per feature, indented by depth: name, [type], inputs, values, then the states
  // that matter (out-of-date, in-error("diagnostic"), warning("text"), hidden, unpickable,
  // opacity=n, inactive, contextual, private, shape-tool, current-itself, group-input, internal,
  // wen-type=n), attributes (attr=Name), links (Role:Name), the entries of a multi-selection,
  // and the result. Fatherless features follow under "Unattached".
  std::string Dump() const;
  static std::string DumpLine(const ZORFeature& feature);

 private:
  friend class ZORFeature;
  // A feature as it was; states are shared with the feature while it does not change.
  struct MarkedFeature {
    ZORFeature_var feature;
    ZORSharedFeatureState state;
    ZORFeaturePlace place;
    ZORVisPropertiesValues vis;
  };
  struct Mark {
    // What each feature made before the mark was at its first change after it, up to the next
    // mark: the state at a mark is, for each feature, its first image in this mark's journal or
    // a later one, else what it is now.
    std::vector<MarkedFeature> journal;
    std::map<std::string, int> nameCounters;
    std::uint32_t firstSerialAfter = 0;  // features made since the mark have this serial or more
  };

  // Keeps what `feature` is now in the newest mark's journal; called before its first change
  // after that mark.
  void Journal(ZORFeature& feature);
  // The newest mark changed: a new stamp, given to the features its journal holds already.
  void RestampNewest();
  // Puts `returning` back in the list of features, in creation order.
  void ListAgain(std::vector<ZORFeature*> returning);
  // `feature` and its father forget what they derived from their children.
  static void ChildrenChangedAround(ZORFeature& feature);
  bool IsListed(const ZORFeature& feature) const {
    return feature.place_.inDocument && &feature != container_.get();
  }
  ZORFeature_var NewFeature(const ZORFeatureType& type);
  // A feature going away tells its document.
  void Forget(ZORFeature* feature) { live_.erase(feature); }
  // Lets go of `removed`, features that left the document.
  void DropRemoved(const std::vector<ZORFeature*>& removed);
  // Adds (or takes away) what `feature` holds in the users and link-owner indexes: its inputs
  // and links, while it is in the document.
  static void CountLinks(ZORFeature& feature, bool add);
  // Lets go of the references between features that can make cycles (owners, links).
  static void DropCrossLinks(ZORFeatureState& state);
  void DumpTree(const ZORFeature& feature, int depth, std::string& out) const;

  std::string name_;
  std::unordered_set<ZORFeature*> live_;  // every live feature created here, not owned
  std::map<std::string, int> nameCounters_;
  ZORFeature_var container_;
  ZORFeature_var part_;
  ZORFeatureList features_{ZORFeatureList::Role::kDocument};  // in creation order
  ZOREventLog events_;
  std::map<int, Mark> marks_;
  int nextMark_ = 1;
  // Features stamped with it are in the newest mark's journal; 0 while there is no mark.
  std::uint32_t journalStamp_ = 0;
  std::uint32_t lastStamp_ = 0;
};
