#include "ZORNotifyAnswers.h"

#include <deque>
#include <utility>

namespace {

struct Answers {
  ZORNotifyAnswers::Provider provider;
  std::deque<int> queued;
  int defaultAnswer = 0;
};

Answers& TheAnswers() {
  static Answers answers;
  return answers;
}

}  // namespace

void ZORNotifyAnswers::SetProvider(Provider provider) {
  TheAnswers().provider = std::move(provider);
}
void ZORNotifyAnswers::Queue(int answer) {
  TheAnswers().queued.push_back(answer);
}
std::size_t ZORNotifyAnswers::QueuedCount() {
  return TheAnswers().queued.size();
}
void ZORNotifyAnswers::SetDefault(int answer) {
  TheAnswers().defaultAnswer = answer;
}
int ZORNotifyAnswers::GetDefault() {
  return TheAnswers().defaultAnswer;
}

void ZORNotifyAnswers::Reset() {
  TheAnswers() = Answers();
}

int ZORNotifyAnswers::Answer(const ZORShownMessage& shown) {
  Answers& a = TheAnswers();
  if (a.provider) {
    // The provider may install another one while it answers.
    Provider provider = a.provider;
    return provider(shown);
  }
  if (a.queued.empty()) return a.defaultAnswer;
  const int answer = a.queued.front();
  a.queued.pop_front();
  return answer;
}
