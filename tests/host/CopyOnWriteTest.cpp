#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORCopyOnWrite.h"

namespace {

using Words = ZORCopyOnWrite<std::vector<std::string>>;

TEST(CopyOnWrite, CopiesShareUntilOneChangesThenEachKeepsItsOwn) {
  Words first;
  first.Edit().push_back("kept");
  Words second = first;
  Words third = second;
  EXPECT_TRUE(second.Shares(first));
  EXPECT_TRUE(third.Shares(first));

  second.Edit().push_back("added");
  EXPECT_FALSE(second.Shares(first));
  EXPECT_TRUE(third.Shares(first));
  EXPECT_EQ(*first, std::vector<std::string>{"kept"});
  EXPECT_EQ(*third, std::vector<std::string>{"kept"});
  EXPECT_EQ(*second, (std::vector<std::string>{"kept", "added"}));

  // Once the others are gone, the last holder changes its value in place.
  first = Words();
  third = Words();
  first.Edit().push_back("alone");
  EXPECT_EQ(*first, std::vector<std::string>{"alone"});
  EXPECT_EQ(*second, (std::vector<std::string>{"kept", "added"}));
}

TEST(CopyOnWrite, AValueNoOtherCopyHoldsChangesInPlace) {
  Words words;
  words.Edit().push_back("one");
  // A reader's reference follows the changes while nothing shares the value.
  const std::vector<std::string>& seen = *words;
  words.Edit().push_back("two");
  EXPECT_EQ(&seen, &*words);
  EXPECT_EQ(seen.size(), 2u);

  // Shared once, the next change moves the holder to a copy; the reader keeps the old value
  // for as long as the other copy holds it.
  const Words mark = words;
  words.Edit().push_back("three");
  EXPECT_NE(&seen, &*words);
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_EQ(words->size(), 3u);
  EXPECT_EQ(&*mark, &seen);
}

}  // namespace
