#include "ZORWENUIPreviewCommand.h"

#include <algorithm>
#include <new>

#include "ZORDialogAgent.h"
#include "ZORFatalError.h"
#include "ZORFrmLayout.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORIWENPreviewMultiple.h"
#include "ZORProtectedSection.h"
#include "ZORWENUIPreviewSite.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORWENUIPreviewCommand";
constexpr int kShown = 2;
constexpr int kHidden = 4;

// The busy cursor while the feature computes its solutions.
class BusyCursor {
 public:
  BusyCursor() { Viewer()->SetCursor(ZORViewer::kBusyCursor); }
  ~BusyCursor() { Viewer()->SetCursor(ZORViewer::kArrowCursor); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  static ZORViewer* Viewer() { return ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer(); }
};

// Takes `bodies` out of the current geometric factory.
void RemoveFromFactory(const ZORListPtrZORBody& bodies) {
  ZORVar<ZORGeoFactory> factory = ZORGuiUtilitiesServices::GetCurrentGeoFactory();
  if (!factory) return;
  for (int i = 1; i <= bodies.Size(); ++i) {
    if (bodies[i]) factory->Remove(bodies[i]);
  }
}

}  // namespace

ZORWENUIPreviewCommand::ZORWENUIPreviewCommand(const ZORString& id, ZORCommandMode mode)
    : ZORWENUIStateCommand(id, mode, 1) {
  Initialize();
}

ZORWENUIPreviewCommand::ZORWENUIPreviewCommand(ZORWENUIStateCmdInfo* info, const ZORString& id,
                                               ZORCommandMode mode,
                                               const ZORPathElement* activePath,
                                               const ZORPathElement* workingPath)
    : ZORWENUIStateCommand(info, id, mode, activePath, workingPath, 1) {
  Initialize();
}

ZORWENUIPreviewCommand::~ZORWENUIPreviewCommand() {
  // What OK leaves behind: sites, solution bodies, orientations.
  RemoveSites();
  ReleaseAgent();
}

void ZORWENUIPreviewCommand::Initialize() {
  ReleaseAgent();
  activate_ = new (std::nothrow) ZORDialogAgent("ActivateAgent");
  if (!activate_) ZORFatalError("0", kSource, __LINE__);
  activate_->AcceptOnNotify(nullptr, "ZORWENUIActivateSiteNotification");
  RemoveSites();
  current_ = 0;
}

void ZORWENUIPreviewCommand::ReleaseAgent() {
  if (activate_) std::exchange(activate_, nullptr)->Release();
}

void ZORWENUIPreviewCommand::ComputeSolutions() {
  BusyCursor busy;
  ZORIWENPreviewMultiple_var multiple(GiveMyFeature());
  if (!multiple || computed_) return;
  orientations_.reset();
  count_ = 0;
  // Bodies of an earlier attempt would stand ahead of the new ones.
  RemoveFromFactory(bodies_);
  bodies_.RemoveAll();
  int* orientations = nullptr;
  ZORException* caught =
      ZORProtect([&] { count_ = multiple->ComputeSolutions(bodies_, orientations); });
  orientations_.reset(orientations);
  if (ZORHandleCaught(caught)) {
    RemoveFromFactory(bodies_);
    bodies_.RemoveAll();
    count_ = 0;
  }
  if (count_ > 0) {
    computed_ = 1;
  } else {
    count_ = 0;
    orientations_.reset();
  }
}

void ZORWENUIPreviewCommand::SetSites() {
  ComputeSolutions();
  current_ = count_ > 0 ? std::clamp(current_, 0, count_ - 1) : 0;
  for (int i = 1; i <= count_; ++i) {
    auto* site = new (std::nothrow) ZORWENUIPreviewSite();
    if (!site) ZORFatalError("0", kSource, __LINE__);
    site->SetName("Site");
    site->SetFather(this);
    if (bodies_.Size() >= i) site->SetData(bodies_[i], i);
    sites_.push_back(site);
  }
}

void ZORWENUIPreviewCommand::RemoveSites() {
  while (!sites_.empty()) {
    ZORWENUIPreviewSite* site = sites_.front();
    site->SetVisibility(kHidden);
    sites_.erase(sites_.begin());
    site->RequestDelayedDestruction();
  }
  // Every solution body, whether a site showed it or not.
  RemoveFromFactory(bodies_);
  bodies_.RemoveAll();
  orientations_.reset();
  computed_ = 0;
  count_ = 0;
}

void ZORWENUIPreviewCommand::ShowSolutions(unsigned char first) {
  for (std::size_t i = 0; i < sites_.size(); ++i) {
    ZORWENUIPreviewSite* site = sites_[i];
    site->SetState(static_cast<int>(i) == current_ ? 0 : 1);
    if (first) {
      site->SetVisibility(kShown);
    } else {
      site->UpdateRepColor(0);
      site->UpdateRepText(1);
    }
  }
}

void ZORWENUIPreviewCommand::PreviewSolutions() {
  RemoveSites();
  SetSites();
  ShowSolutions(1);
  AdjustData(current_);
}

void ZORWENUIPreviewCommand::AdjustData(int) {}

bool ZORWENUIPreviewCommand::SelPreviewBody(void*) {
  for (ZORWENUIPreviewSite* site : sites_) {
    if (!site->ChangeState()) continue;
    ZORBody* body = nullptr;
    int index = 0;
    site->GetData(body, index);
    current_ = index - 1;
    site->ChangeStateIsOk();
    break;
  }
  if (activate_) activate_->InitializeAcquisition();
  AdjustData(current_);
  ShowSolutions(0);
  return true;
}

void ZORWENUIPreviewCommand::Step(int by) {
  // Without solutions there is nothing to step through: the index stays 0.
  if (count_ <= 0) return;
  current_ = ((current_ + by) % count_ + count_) % count_;
  AdjustData(current_);
  ShowSolutions(0);
}

void ZORWENUIPreviewCommand::NextSol() {
  Step(1);
}

void ZORWENUIPreviewCommand::PreviousSol() {
  Step(-1);
}

void ZORWENUIPreviewCommand::SetCurrentSol(int solution) {
  if (count_ <= 0) return;
  current_ = std::clamp(solution, 0, count_ - 1);
  AdjustData(current_);
  ShowSolutions(0);
}

void ZORWENUIPreviewCommand::GetCurrentOrientations(int*& orientations) {
  if (!computed_) ComputeSolutions();
  orientations = orientations_.get();
}

int ZORWENUIPreviewCommand::Cancel(ZORCommand* caller, ZORNotification* notification) {
  RemoveSites();
  ReleaseAgent();
  return ZORWENUIStateCommand::Cancel(caller, notification);
}
