// The selector lists over n listed features (points of a document): appending them one by one,
// selecting them all, the batch operations of a command (a standard-mode sort of n picks and
// their removal, a selection of n, a synchronisation sharing half), and one change among n
// selected entries (a removal, a replacement, a toggle by a pick).

#include "BenchSupport.h"
#include "ZORApplicationFrame.h"
#include "ZORDlgDialog.h"
#include "ZORDriver.h"
#include "ZORHostSession.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENUIModesSelectorList.h"
#include "ZORWENUIUserSelectorList.h"

namespace {

// n points (and n more for the lists to take in), and a panel holding a modes list and a user
// list.
class Scene {
 public:
  explicit Scene(int n) {
    ZORDocument& doc = session_.Document();
    ZORFeature_var set = doc.CreateTool("GeometricalSet");
    for (int i = 0; i < 2 * n; ++i) {
      ZORFeature_var point = doc.CreatePoint(i, 0, 0, set.get());
      (i < n ? listed : others).Append(ZORSpecObjectOf(point));
    }
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Panel");
    modes = new ZORWENUIModesSelectorList(panel_, "Modes", 0, ZORGuiContextualMenuData());
    user = new ZORWENUIUserSelectorList(panel_, "User", 0, ZORGuiContextualMenuData());
    user->CreateSelectorList(ZORDlgList::kMultipleSelection);
  }
  ~Scene() {
    panel_->RequestDelayedDestruction();
    driver_.EndTransaction();
  }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  // Every listed feature in the modes list, selected and highlighted.
  void FillModes() { modes->Append(listed, 1, 1); }
  void FillUser() { user->Append(listed); }

  ZORListValZORISpecObject_var listed;
  ZORListValZORISpecObject_var others;
  ZORListValZORISpecObject_var wanted;  // what a synchronisation asks for
  ZORWENUIModesSelectorList* modes = nullptr;
  ZORWENUIUserSelectorList* user = nullptr;

 private:
  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORDlgDialog* panel_ = nullptr;
};

const char* Expect(bool holds, const char* error) {
  return holds ? nullptr : error;
}

void Run(benchmark::State& state, void (*prepare)(Scene&), void (*work)(Scene&),
         const char* (*check)(Scene&)) {
  zor_bench::TimeOnFreshScenes<Scene>(state, prepare, work, check);
}

void BM_Append(benchmark::State& state) {
  Run(
      state, [](Scene&) {},
      [](Scene& s) {
        for (const ZORISpecObject_var& f : s.listed) s.modes->Append(f, 1, 1);
      },
      [](Scene& s) {
        ZORRawCollint selected;
        s.modes->GetSelection(selected);
        return Expect(selected.Size() == s.listed.Size(), "not every line selected");
      });
}

void BM_UserAppend(benchmark::State& state) {
  Run(
      state, [](Scene&) {},
      [](Scene& s) {
        for (const ZORISpecObject_var& f : s.listed) s.user->Append(f);
      },
      [](Scene& s) { return Expect(s.user->SelectionSize() == s.listed.Size(), "not selected"); });
}

void BM_SelectAll(benchmark::State& state) {
  Run(
      state, [](Scene& s) { s.modes->Append(s.listed, 0, 0); },
      [](Scene& s) { s.modes->SelectAll(); },
      [](Scene& s) {
        ZORRawCollint selected;
        s.modes->GetSelection(selected);
        return Expect(selected.Size() == s.listed.Size(), "not every line selected");
      });
}

// A standard-mode sort of the n listed features picked again, then their removal.
void BM_BatchSortRemove(benchmark::State& state) {
  Run(
      state, [](Scene& s) { s.FillModes(); },
      [](Scene& s) {
        ZORListValZORISpecObject_var toAdd;
        ZORRawCollint toRemove;
        s.modes->Sort(s.listed, toAdd, toRemove, 0);
        s.modes->Remove(toRemove, 1);
      },
      [](Scene& s) { return Expect(s.modes->GetFeatures().IsEmpty(), "entries left"); });
}

void BM_BatchSetSelection(benchmark::State& state) {
  Run(
      state, [](Scene& s) { s.modes->Append(s.listed, 0, 0); },
      [](Scene& s) { s.modes->SetSelection(s.listed); },
      [](Scene& s) {
        ZORRawCollint selected;
        s.modes->GetSelection(selected);
        return Expect(selected.Size() == s.listed.Size(), "not every line selected");
      });
}

// The user list made equal to a list holding every other listed feature and as many new ones
// (the list is the caller's, made before).
void BM_BatchSynchronise(benchmark::State& state) {
  Run(
      state,
      [](Scene& s) {
        s.FillUser();
        for (int p = 1; p <= s.listed.Size(); ++p) {
          s.wanted.Append(p % 2 ? s.listed[p] : s.others[p]);
        }
      },
      [](Scene& s) { s.user->Synchronise(s.wanted); },
      [](Scene& s) { return Expect(s.user->Size() == s.listed.Size(), "wrong size"); });
}

void BM_OneRemove(benchmark::State& state) {
  Run(
      state, [](Scene& s) { s.FillModes(); },
      [](Scene& s) { s.modes->Remove(s.listed.Size() / 2, 1); },
      [](Scene& s) {
        return Expect(s.modes->GetFeatures().Size() == s.listed.Size() - 1, "not removed");
      });
}

void BM_OneReplace(benchmark::State& state) {
  Run(
      state,
      [](Scene& s) {
        s.FillUser();
        s.user->Select(ZORWENUIUserSelectorList::kNoEvent);
      },
      [](Scene& s) { s.user->Replace(s.others[1], s.listed.Size() / 2); },
      [](Scene& s) {
        return Expect(s.user->Locate(ZORBaseUnknown_var(s.others[1]), 0) == s.listed.Size() / 2,
                      "not replaced");
      });
}

// A pick of a listed feature in the standard mode, as the list applies it: sort, removal,
// append of nothing, refresh of the buttons. (A command that shows the selection highlighted
// again after the sort emptied the highlighted set pays for n paths, as SelectAll does.)
void BM_OneToggle(benchmark::State& state) {
  Run(
      state, [](Scene& s) { s.FillModes(); },
      [](Scene& s) {
        ZORListValZORISpecObject_var toAdd;
        ZORRawCollint toRemove;
        s.modes->Sort(ZORListValZORISpecObject_var{s.listed[s.listed.Size() / 2]}, toAdd, toRemove,
                      0);
        s.modes->Remove(toRemove, 1);
        s.modes->Append(toAdd, 1, 1);
        s.modes->Refresh();
      },
      [](Scene& s) {
        return Expect(s.modes->GetFeatures().Size() == s.listed.Size() - 1, "not toggled");
      });
}

// Each iteration builds its scene untimed: a fixed count keeps quick operations from asking
// for thousands of scenes.
#define ZOR_SELECTOR_BENCH(function, name) \
  BENCHMARK(function)                      \
      ->Name("SelectorList/" name)         \
      ->Arg(1000)                          \
      ->Arg(10000)                         \
      ->Iterations(10)                     \
      ->Unit(benchmark::kMillisecond)

ZOR_SELECTOR_BENCH(BM_Append, "Append");
ZOR_SELECTOR_BENCH(BM_UserAppend, "UserAppend");
ZOR_SELECTOR_BENCH(BM_SelectAll, "SelectAll");
ZOR_SELECTOR_BENCH(BM_BatchSortRemove, "BatchSortRemove");
ZOR_SELECTOR_BENCH(BM_BatchSetSelection, "BatchSetSelection");
ZOR_SELECTOR_BENCH(BM_BatchSynchronise, "BatchSynchronise");
ZOR_SELECTOR_BENCH(BM_OneRemove, "OneRemove");
ZOR_SELECTOR_BENCH(BM_OneReplace, "OneReplace");
ZOR_SELECTOR_BENCH(BM_OneToggle, "OneToggle");

}  // namespace

BENCHMARK_MAIN();
