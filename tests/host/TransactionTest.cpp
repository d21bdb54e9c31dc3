#include <gtest/gtest.h>

#include "ZORCleaner.h"
#include "ZORVar.h"

namespace {

std::vector<std::string> destroyed;

class TestNotification : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(TestNotification, ZORBaseUnknown, ZORMetaObject::Implementation, "Test")
  explicit TestNotification(std::string name = "", TestNotification* next = nullptr)
      : name_(std::move(name)), next_(next) {}
  ~TestNotification() override {
    destroyed.push_back(name_);
    // Handing over more objects while the transaction ends is allowed.
    if (next_) ZORCleaner::DeleteOnTransactionEnd(next_);
  }

 private:
  std::string name_;
  TestNotification* next_;
};

TEST(Transaction, ObjectsHandedOverLiveUntilTheTransactionEnds) {
  destroyed.clear();
  auto* kept = new TestNotification("kept");
  ZORVar<TestNotification> holder(kept);
  ZORCleaner::DeleteOnTransactionEnd(kept);
  ZORCleaner::DeleteOnTransactionEnd(
      new TestNotification("first", new TestNotification("chained")));
  ZORCleaner::DeleteOnTransactionEnd(nullptr);
  EXPECT_EQ(ZORTransaction::PendingCount(), 2u);
  EXPECT_TRUE(destroyed.empty());

  ZORTransaction::End();
  EXPECT_EQ(destroyed, (std::vector<std::string>{"first", "chained"}));
  EXPECT_EQ(ZORTransaction::PendingCount(), 0u);
  // A reference still held elsewhere keeps the object alive.
  EXPECT_EQ(kept->GetRefCount(), 1u);
  holder = nullptr;
  EXPECT_EQ(destroyed.back(), "kept");
}

}  // namespace
