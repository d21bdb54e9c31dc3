#include "ZORExternalObjectRegistry.h"

#include "ZORExternalStandInCommand.h"
#include "ZORGuiCommandStack.h"

namespace {

ZORBaseUnknown_var StartStandIn(const std::string& className) {
  auto* command =
      new ZORExternalStandInCommand(className, ZORExternalObjectRegistry::kRepetitionLibrary);
  // The stack takes over the creation reference; the caller gets one of its own.
  ZORBaseUnknown_var handle(command);
  if (FAILED(ZORGuiCommandStack::Instance()->StartCommand(command))) {
    command->Release();  // the creation reference nobody took over
    return nullptr;
  }
  return handle;
}

}  // namespace

ZORExternalObjectRegistry& ZORExternalObjectRegistry::Get() {
  static ZORExternalObjectRegistry registry;
  return registry;
}

ZORExternalObjectRegistry::ZORExternalObjectRegistry() {
  for (const char* name : {"ZORWENUIMultiple", "ZORWENUIMultiplePoint"}) {
    const std::string className = name;
    Register(kRepetitionLibrary, className, [className] { return StartStandIn(className); });
  }
}

void ZORExternalObjectRegistry::Register(const std::string& libraryName,
                                         const std::string& className, Creator creator) {
  const auto key = std::make_pair(libraryName, className);
  if (creator) {
    creators_[key] = std::move(creator);
  } else {
    creators_.erase(key);
  }
}

HRESULT ZORExternalObjectRegistry::Create(const std::string& className,
                                          const std::string& libraryName,
                                          ZORBaseUnknown_var& object) {
  object = nullptr;
  auto it = creators_.find(std::make_pair(libraryName, className));
  if (it != creators_.end()) object = it->second();
  Record({className, libraryName, static_cast<bool>(object)});
  return object ? S_OK : E_FAIL;
}

void ZORExternalObjectRegistry::Record(Request request) {
  if (requests_.size() == kCapacity) requests_.pop_front();
  requests_.push_back(std::move(request));
}
