// Randomised operations on a multi-selection manager, checked after every step against a small
// reference model: the input lists, each entry's preview index and state, the preview bodies,
// what the interactive set shows, what went back to the geometric factory, and which real
// features were put in no-show. A failure names its seed and a shortened operation sequence.
//
// ZOR_MODEL_SEED sets the first seed (each run of kOpsPerRun operations takes the next one);
// ZOR_MODEL_OPS sets the total number of operations.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "ZORGeoFactory.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORHostSession.h"
#include "ZORI3DGeoVisu.h"
#include "ZORIDescendants.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORMSReferenceModel.h"
#include "ZORSpecObjectOf.h"
#include "ZORSt3DISO.h"
#include "ZORWENMSManager.h"

namespace {

using Model = ZORMSReferenceModel;

// Inputs: points P0..P4 and the end point E, which every real feature holds in list 2.
constexpr int kPoolSize = 6;
constexpr int kEnd = 5;
constexpr int kOpsPerRun = 1000;
constexpr long kDefaultOps = 100000;
constexpr unsigned kDefaultSeed = 20261206;

enum class Kind {
  Declare,
  DeclareInFirstList,
  Remove,
  RemoveAll,
  Replace,
  RefElementChanged,
  Validate,
  ValidateTemp,
  Synchronize,
  PreviewsToNull
};

struct Op {
  Kind kind = Kind::Synchronize;
  int list = 1;
  int input = 0;
  int replacement = 0;
  bool replaceIfSingle = false;
  std::vector<bool> bodies;  // per given body: a new body (true) or null (false)
};

std::string InputName(int input) {
  if (input == Model::kNone) return "null";
  return input == kEnd ? "E" : "P" + std::to_string(input);
}

std::string Describe(const Op& op) {
  const std::string list = "list " + std::to_string(op.list);
  const std::string flag = op.replaceIfSingle ? ", replaceIfSingle" : "";
  std::string bodies;
  for (bool body : op.bodies) bodies += body ? "B" : "0";
  switch (op.kind) {
    case Kind::Declare:
      return "Declare(" + InputName(op.input) + ", " + list + flag + ")";
    case Kind::DeclareInFirstList:
      return "Declare(" + InputName(op.input) + flag + ")";
    case Kind::Remove:
      return "Remove(" + InputName(op.input) + ", " + list + ")";
    case Kind::RemoveAll:
      return "RemoveAll(" + list + ")";
    case Kind::Replace:
      return "Replace(" + InputName(op.input) + " by " + InputName(op.replacement) + ", " + list +
             ")";
    case Kind::RefElementChanged:
      return "RefElementChanged()";
    case Kind::Validate:
      return "ValidateManipulations([" + bodies + "])";
    case Kind::ValidateTemp:
      return "ValidateTempManipulations([" + bodies + "])";
    case Kind::Synchronize:
      return "Synchronize()";
    case Kind::PreviewsToNull:
      return "SetVirtFeatsPreviewsToNull()";
  }
  return "?";
}

// A run: how many real features the edited multi-selection starts with (0: a new one; 1: a
// line made singly and edited in multi-selection mode, still without its start), and the
// operations.
struct Scenario {
  int reals = 0;
  std::vector<Op> ops;
};

std::string Describe(const Scenario& scenario) {
  std::ostringstream out;
  out << "start: ";
  if (scenario.reals == 0) out << "new multi-selection\n";
  if (scenario.reals == 1) out << "line without start edited in multi-selection mode\n";
  if (scenario.reals > 1) out << "edited multi-selection with " << scenario.reals << " reals\n";
  for (const Op& op : scenario.ops) out << "  " << Describe(op) << "\n";
  return out.str();
}

// ---------------------------------------------------------------- generation

class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  Scenario Make(int count) {
    Scenario scenario;
    scenario.reals = Pick({0, 0, 1, 2, 3});
    for (int i = 0; i < count; ++i) scenario.ops.push_back(Next());
    return scenario;
  }

 private:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool Chance(int percent) { return Uniform(1, 100) <= percent; }
  int Pick(std::initializer_list<int> values) {
    return values.begin()[Uniform(0, static_cast<int>(values.size()) - 1)];
  }
  // Now and then a list index that must be refused.
  int List() { return Chance(3) ? Pick({0, 3}) : Uniform(1, 2); }
  int Input() { return Chance(3) ? Model::kNone : Uniform(0, kPoolSize - 1); }

  Op Next() {
    Op op;
    const int roll = Uniform(1, 100);
    op.list = List();
    op.input = Input();
    op.replaceIfSingle = Chance(20);
    if (roll <= 24) {
      op.kind = Kind::Declare;
    } else if (roll <= 28) {
      op.kind = Kind::DeclareInFirstList;
    } else if (roll <= 43) {
      op.kind = Kind::Remove;
    } else if (roll <= 45) {
      op.kind = Kind::RemoveAll;
    } else if (roll <= 53) {
      op.kind = Kind::Replace;
      op.replacement = Input();
    } else if (roll <= 57) {
      op.kind = Kind::RefElementChanged;
    } else if (roll <= 88) {
      op.kind = roll <= 76 ? Kind::Validate : Kind::ValidateTemp;
      const int count = Uniform(0, 5);
      for (int i = 0; i < count; ++i) op.bodies.push_back(!Chance(20));
    } else if (roll <= 96) {
      op.kind = Kind::Synchronize;
    } else {
      op.kind = Kind::PreviewsToNull;
    }
    return op;
  }

  std::mt19937 rng_;
};

// ---------------------------------------------------------------- shrinking

// Drops operations, halves of the sequence first and single ones last, as long as the sequence
// still fails; what remains fails and loses the failure when any one operation is dropped.
template <class T>
std::vector<T> Shrink(std::vector<T> items,
                      const std::function<bool(const std::vector<T>&)>& fails) {
  std::size_t chunk = std::max<std::size_t>(items.size() / 2, 1);
  while (true) {
    bool dropped = false;
    for (std::size_t start = 0; start < items.size();) {
      std::vector<T> candidate(items.begin(), items.begin() + static_cast<long>(start));
      const std::size_t next = std::min(start + chunk, items.size());
      candidate.insert(candidate.end(), items.begin() + static_cast<long>(next), items.end());
      if (fails(candidate)) {
        items = std::move(candidate);
        dropped = true;
      } else {
        start = next;
      }
    }
    if (chunk == 1 && !dropped) return items;
    if (chunk > 1) chunk /= 2;
  }
}

// ---------------------------------------------------------------- one run against the host

template <class T>
std::string Join(const std::vector<T>& values) {
  std::ostringstream out;
  out << "[";
  for (std::size_t i = 0; i < values.size(); ++i) out << (i ? " " : "") << values[i];
  out << "]";
  return out.str();
}

// A manager on a new or an edited multi-selection in a fresh session, its reference model, and
// the comparison of the two.
class ModelRun {
 public:
  explicit ModelRun(int reals) {
    set_ = doc().CreateTool("GeometricalSet");
    for (int i = 0; i < kPoolSize - 1; ++i) pool_.push_back(doc().CreatePoint(i, 0, 0, set_.get()));
    pool_.push_back(doc().CreatePoint(0, 0, 5, set_.get()));
    ZORISpecObject_var existing = reals == 1 ? MakePlainLine() : nullptr;
    if (reals > 1) existing = MakeMultiSelection(reals);
    manager_ = NewManager(existing);
    if (reals == 1) model_.AddReal(Model::kNone, kEnd);
    for (int i = 0; i < reals && reals > 1; ++i) model_.AddReal(i, kEnd);
    if (ZORIWENMultiSel_var multiSel{manager_->GetMultiSel()}) multiSel->GetRealFeatures(reals_);
  }

  ~ModelRun() {
    if (manager_) manager_->Release();
  }
  ModelRun(const ModelRun&) = delete;
  ModelRun& operator=(const ModelRun&) = delete;

  ZORWENMSManager& Manager() { return *manager_; }
  ZORISO& ISO() { return *session_.Editor().GetISO(); }
  ZORISpecObject_var Input(int input) {
    return input == Model::kNone ? nullptr : ZORSpecObjectOf(pool_[Slot(input)]);
  }
  ZORBody* NewBody() {
    bodies_.push_back(Geo()->CreatePoint(ZORMathPoint(static_cast<double>(bodies_.size()), 1, 0)));
    return bodies_.back().get();
  }

  // Empty when the manager's answer agrees with the model's.
  std::string Apply(const Op& op) {
    const HRESULT got = ApplyToManager(op);
    const HRESULT expected = ApplyToModel(op);
    if (got == expected) return {};
    std::ostringstream out;
    out << "answer " << std::hex << got << ", expected " << expected;
    return out.str();
  }

  // Empty when the manager, the multi-selection feature and the interactive set agree with the
  // model.
  std::string Check() {
    for (int list = 1; list <= 2; ++list) {
      const auto got = ManagerList(list);
      if (got != model_.List(list)) {
        return "list " + std::to_string(list) + " " + Join(got) + ", expected " +
               Join(model_.List(list));
      }
      int size = -1;
      manager_->GetMSListSize(size, list);
      if (size != static_cast<int>(got.size())) return "list size " + std::to_string(size);
    }
    bool any = false;
    manager_->IsThereAnyFeatureManaged(any);
    if (any != model_.IsAnyManaged()) return any ? "features managed" : "no feature managed";
    std::unique_ptr<ZORRawCollint> indices, states;
    ZORIWENMultiSel_var multiSel(manager_->GetMultiSel());
    if (!multiSel || FAILED(multiSel->GetPreviews(indices, states))) return "no previews";
    if (states->std() != model_.States()) {
      return "preview states " + Join(states->std()) + ", expected " + Join(model_.States());
    }
    if (indices->std() != model_.Indices()) {
      return "preview indices " + Join(indices->std()) + ", expected " + Join(model_.Indices());
    }
    if (manager_->GetPreviewBodies().std() != model_.Previews()) {
      return "preview bodies " + Join(manager_->GetPreviewBodies().std()) + ", expected " +
             Join(model_.Previews());
    }
    if (std::string shown = CheckShown(); !shown.empty()) return shown;
    for (; discardedChecked_ < model_.Discarded().size(); ++discardedChecked_) {
      if (Geo()->IsInFactory(model_.Discarded()[discardedChecked_])) {
        return "a replaced preview is still in the geometric factory";
      }
    }
    return CheckReals();
  }

  // Empty when the previews are in the factory up to the manager's end and gone after it.
  std::string Finish() {
    for (ZORBody* body : model_.Previews()) {
      if (!Geo()->IsInFactory(body)) return "a preview left the geometric factory too early";
    }
    std::exchange(manager_, nullptr)->Release();
    if (ISO().GetSize() != 0) return "the interactive set still shows previews";
    for (ZORBody* body : model_.Previews()) {
      if (Geo()->IsInFactory(body)) return "a preview outlived its manager";
    }
    return {};
  }

 private:
  static std::size_t Slot(int i) { return static_cast<std::size_t>(i); }
  ZORDocument& doc() { return session_.Document(); }
  ZORGeoFactory_var Geo() { return ZORGuiUtilitiesServices::GetCurrentGeoFactory(); }

  // A new matrix line whose end is E, and a manager on it put in the set as a command would.
  ZORWENMSManager* NewManager(const ZORISpecObject_var& existing) {
    matrix_ = doc().CreateFeature("WENLine", set_.get());
    ZORIWENMultiSelAccess_var(ZORSpecObjectOf(matrix_))->SetMultiSelInput(2, Input(kEnd));
    auto* manager = new ZORWENMSManager(ZORSpecObjectOf(matrix_), existing);
    manager->SetMisc(session_.Editor().GetISO(), false);
    if (!existing && manager->GetMultiSel()) {
      ZORIDescendants_var(ZORSpecObjectOf(set_))->AddChild(manager->GetMultiSel());
    }
    return manager;
  }

  // A line made singly, with its end but no start yet.
  ZORISpecObject_var MakePlainLine() {
    ZORFeature_var line = doc().CreateFeature("WENLine", set_.get());
    ZORIWENMultiSelAccess_var(ZORSpecObjectOf(line))->SetMultiSelInput(2, Input(kEnd));
    return ZORSpecObjectOf(line);
  }

  // A finished multi-selection whose real features start at P0, P1, ...
  ZORISpecObject_var MakeMultiSelection(int reals) {
    ZORWENMSManager* manager = NewManager(nullptr);
    for (int i = 0; i < reals; ++i) manager->Declare(Input(i), 1, false);
    manager->ValidateResults();
    manager->FinalizeMultisel(false, false);
    ZORISpecObject_var multiSel = manager->GetMultiSel();
    manager->Release();
    return multiSel;
  }

  HRESULT ApplyToManager(const Op& op) {
    switch (op.kind) {
      case Kind::Declare:
        return manager_->Declare(Input(op.input), op.list, op.replaceIfSingle);
      case Kind::DeclareInFirstList:
        return manager_->Declare(Input(op.input), op.replaceIfSingle);
      case Kind::Remove:
        return manager_->Remove(Input(op.input), op.list);
      case Kind::RemoveAll:
        return manager_->RemoveAll(op.list);
      case Kind::Replace:
        return manager_->Replace(Input(op.input), Input(op.replacement), op.list);
      case Kind::RefElementChanged:
        return manager_->RefElementChanged();
      case Kind::Validate:
      case Kind::ValidateTemp: {
        given_.RemoveAll();
        for (bool body : op.bodies) given_.Append(body ? NewBody() : nullptr);
        return op.kind == Kind::Validate ? manager_->ValidateManipulations(given_, false)
                                         : manager_->ValidateTempManipulations(given_, false);
      }
      case Kind::Synchronize:
        return manager_->Synchronize();
      case Kind::PreviewsToNull:
        return manager_->SetVirtFeatsPreviewsToNull();
    }
    return E_FAIL;
  }

  HRESULT ApplyToModel(const Op& op) {
    switch (op.kind) {
      case Kind::Declare:
        return model_.Declare(op.input, op.list, op.replaceIfSingle);
      case Kind::DeclareInFirstList:
        return model_.Declare(op.input, 1, op.replaceIfSingle);
      case Kind::Remove:
        return model_.Remove(op.input, op.list);
      case Kind::RemoveAll:
        return model_.RemoveAll(op.list);
      case Kind::Replace:
        return model_.Replace(op.input, op.replacement, op.list);
      case Kind::RefElementChanged:
        return model_.RefElementChanged();
      case Kind::Validate:
      case Kind::ValidateTemp:
        return model_.Validate(given_.std(), op.kind == Kind::ValidateTemp);
      case Kind::Synchronize:
        return model_.Synchronize();
      case Kind::PreviewsToNull:
        return model_.SetPreviewsToNull();
    }
    return E_FAIL;
  }

  // The manager's list as pool numbers (-2 for a feature outside the pool).
  std::vector<int> ManagerList(int list) {
    ZORListValZORISpecObject_var features;
    manager_->GetMSList(features, list);
    std::vector<int> inputs;
    for (const auto& feature : features) {
      const ZORFeature* f = feature ? ZORFeature::From(feature.get()) : nullptr;
      const auto at = std::find_if(pool_.begin(), pool_.end(),
                                   [f](const ZORFeature_var& p) { return p.get() == f; });
      inputs.push_back(at == pool_.end() ? -2 : static_cast<int>(at - pool_.begin()));
    }
    return inputs;
  }

  // The interactive set holds one element per shown body, each carrying that body's
  // representation.
  std::string CheckShown() {
    const auto expected = static_cast<int>(model_.Shown().size());
    if (manager_->GetShownBodyCount() != expected || ISO().GetSize() != expected) {
      return "shown " + std::to_string(manager_->GetShownBodyCount()) +
             " bodies, interactive set " + std::to_string(ISO().GetSize()) + ", expected " +
             std::to_string(expected);
    }
    std::unordered_set<const ZOR3DRep*> reps;
    for (ZORBody* body : model_.Shown()) reps.insert(ZORI3DGeoVisu_var(body)->GiveRep());
    for (const auto& element : ISO().GetElements()) {
      const auto* carrier = dynamic_cast<const ZORSt3DISO*>(element.get());
      if (!carrier || reps.erase(carrier->GetRep()) == 0) {
        return "the interactive set shows a body that is not a shown preview";
      }
    }
    return {};
  }

  std::string CheckReals() {
    for (int real = 1; real <= reals_.Size(); ++real) {
      const bool hidden = ZORGuiUtilitiesServices::ZORWENUIIsInNoShow(reals_[real]) == 1;
      if (hidden != model_.IsRealHidden(real)) {
        return "real feature " + std::to_string(real) + (hidden ? " hidden" : " shown");
      }
    }
    return {};
  }

  ZORHostSession session_;
  ZORFeature_var set_;
  ZORFeature_var matrix_;
  std::vector<ZORFeature_var> pool_;
  ZORListValZORISpecObject_var reals_;
  // Every body made for a validation stays alive to the end, so that no address comes back.
  std::vector<ZORBody_var> bodies_;
  ZORListPtrZORBody given_;
  ZORWENMSManager* manager_ = nullptr;
  Model model_;
  std::size_t discardedChecked_ = 0;
};

// Plays a scenario from a fresh session: empty when the manager followed the model throughout,
// else what differed, after which operation.
std::string Play(const Scenario& scenario) {
  ModelRun run(scenario.reals);
  if (std::string start = run.Check(); !start.empty()) return "at the start: " + start;
  for (std::size_t step = 0; step < scenario.ops.size(); ++step) {
    std::string failure = run.Apply(scenario.ops[step]);
    if (failure.empty()) failure = run.Check();
    if (!failure.empty()) {
      return "after step " + std::to_string(step + 1) + " " + Describe(scenario.ops[step]) + ": " +
             failure;
    }
  }
  if (std::string end = run.Finish(); !end.empty()) return "at the end: " + end;
  return {};
}

// The failing scenario with the operations that do not matter dropped, then the bodies that do
// not matter in the validations that remain.
Scenario ShrinkFailure(const Scenario& scenario) {
  Scenario shrunk = scenario;
  shrunk.ops = Shrink<Op>(scenario.ops, [&scenario](const std::vector<Op>& ops) {
    return !Play(Scenario{scenario.reals, ops}).empty();
  });
  for (Op& op : shrunk.ops) {
    op.bodies = Shrink<bool>(op.bodies, [&shrunk, &op](const std::vector<bool>& bodies) {
      const std::vector<bool> kept = std::exchange(op.bodies, bodies);
      const bool fails = !Play(shrunk).empty();
      op.bodies = kept;
      return fails;
    });
  }
  return shrunk;
}

long EnvNumber(const char* name, long fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

// ---------------------------------------------------------------- tests

TEST(MSManagerModel, RandomOperationsFollowTheReferenceModel) {
  const auto firstSeed = static_cast<unsigned>(EnvNumber("ZOR_MODEL_SEED", kDefaultSeed));
  const long total = EnvNumber("ZOR_MODEL_OPS", kDefaultOps);
  unsigned seed = firstSeed;
  for (long done = 0; done < total; done += kOpsPerRun, ++seed) {
    const Scenario scenario =
        Generator(seed).Make(static_cast<int>(std::min<long>(kOpsPerRun, total - done)));
    const std::string failure = Play(scenario);
    if (failure.empty()) continue;
    const Scenario shrunk = ShrinkFailure(scenario);
    ADD_FAILURE() << "seed " << seed << " (ZOR_MODEL_SEED=" << seed
                  << " ZOR_MODEL_OPS=" << scenario.ops.size() << "): " << failure
                  << "\nshortened: " << Play(shrunk) << "\n"
                  << Describe(shrunk);
    return;
  }
}

// The comparison must see a manager that moved behind the model's back.
TEST(MSManagerModel, ComparisonNoticesEveryKindOfDrift) {
  {
    ModelRun run(0);
    ASSERT_EQ(run.Check(), "");
    run.Manager().Declare(run.Input(1), 2, false);
    EXPECT_EQ(run.Check(), "list 2 [1], expected []");
  }
  {
    ModelRun run(0);
    ZORBody* body = run.NewBody();
    run.Manager().AddElementISO(body);
    EXPECT_EQ(run.Check(), "shown 1 bodies, interactive set 1, expected 0");
  }
  {
    ModelRun run(0);
    ASSERT_EQ(run.Apply(Op{Kind::Declare, 1, 0, 0, false, {}}), "");
    ZORListPtrZORBody bodies;
    bodies.Append(run.NewBody());
    run.Manager().ValidateManipulations(bodies, false);
    EXPECT_EQ(run.Check(), "preview states [0], expected [1]");
  }
  {
    ModelRun run(2);
    ASSERT_EQ(run.Check(), "");
    run.Manager().Remove(run.Input(0), 1);
    EXPECT_EQ(run.Check(), "list 1 [1], expected [0 1]");
  }
}

TEST(MSManagerModel, ShrinkingKeepsOnlyWhatTheFailureNeeds) {
  std::vector<int> items(200);
  for (int i = 0; i < 200; ++i) items[static_cast<std::size_t>(i)] = i;
  // Fails when 3 is there and 17 comes before 150.
  const auto fails = [](const std::vector<int>& v) {
    const auto a = std::find(v.begin(), v.end(), 17);
    const auto b = std::find(v.begin(), v.end(), 150);
    const bool three = std::find(v.begin(), v.end(), 3) != v.end();
    return a != v.end() && b != v.end() && a < b && three;
  };
  EXPECT_EQ(Shrink<int>(items, fails), (std::vector<int>{3, 17, 150}));
  EXPECT_EQ(Shrink<int>({5}, [](const std::vector<int>& v) { return !v.empty(); }),
            (std::vector<int>{5}));
}

Op Declare(int input, int list, bool replaceIfSingle = false) {
  return Op{Kind::Declare, list, input, 0, replaceIfSingle, {}};
}
Op Remove(int input, int list) {
  return Op{Kind::Remove, list, input, 0, false, {}};
}
Op Validate(std::vector<bool> bodies, bool temporary = false) {
  return Op{temporary ? Kind::ValidateTemp : Kind::Validate, 1, 0, 0, false, std::move(bodies)};
}
Op Simple(Kind kind) {
  return Op{kind, 1, 0, 0, false, {}};
}

// The cases the random runs reach only now and then, played in full.
TEST(MSManagerModel, EdgeCasesFollowTheModel) {
  const Scenario fewerAndMoreBodies{
      0,
      {Declare(0, 1), Declare(1, 1), Declare(2, 1), Validate({true, false}),
       Validate({true, true, true}), Simple(Kind::Synchronize)}};
  EXPECT_EQ(Play(fewerAndMoreBodies), "");
  const Scenario inPlace{
      0,
      {Declare(0, 1), Validate({true}), Simple(Kind::RefElementChanged), Validate({true}, true),
       Simple(Kind::RefElementChanged), Validate({false}, true), Simple(Kind::Synchronize)}};
  EXPECT_EQ(Play(inPlace), "");
  const Scenario pairs{0,
                       {Declare(kEnd, 2), Declare(0, 1), Validate({true}), Remove(0, 1),
                        Validate({}), Declare(1, 1, true), Validate({true}), Remove(kEnd, 2),
                        Validate({}), Simple(Kind::PreviewsToNull)}};
  EXPECT_EQ(Play(pairs), "");
  const Scenario edited{
      3,
      {Remove(1, 1), Declare(4, 1), Validate({true}), Op{Kind::Replace, 2, kEnd, 2, false, {}},
       Validate({}), Simple(Kind::PreviewsToNull), Simple(Kind::Synchronize)}};
  EXPECT_EQ(Play(edited), "");
  const Scenario loneReal{1,
                          {Declare(0, 1), Declare(1, 1), Validate({true}), Remove(0, 1),
                           Validate({}), Declare(2, 1), Simple(Kind::Synchronize)}};
  EXPECT_EQ(Play(loneReal), "");
}

// A lone real feature still missing its start once took a declared null as its start, and the
// declaration answered S_OK though nothing was declared; a null feature is refused in every case.
TEST(MSManagerModel, ANullDeclarationIsRefusedEvenForALoneRealFeature) {
  const Scenario nullStart{1, {Declare(Model::kNone, 1), Declare(0, 1)}};
  EXPECT_EQ(Play(nullStart), "");
}

}  // namespace
