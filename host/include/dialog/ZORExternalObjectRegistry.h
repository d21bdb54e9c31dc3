#pragma once
// How the host creates objects by class name from libraries (ZORCreateExternalObject): a creator
// per (library, class name). Every request is recorded, served or not, so that the driver and
// tests can see what was asked for; the record keeps the last kCapacity requests.
//
// The host has no library "ZORGuiMultiple": for its repetition commands "ZORWENUIMultiple" and
// "ZORWENUIMultiplePoint" it starts a ZORExternalStandInCommand of that name on the command
// stack, over the command running then.

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "ZORTypes.h"
#include "ZORVar.h"

class ZORExternalObjectRegistry {
 public:
  static constexpr std::size_t kCapacity = 64;
  static constexpr const char* kRepetitionLibrary = "ZORGuiMultiple";

  // Makes the object; null when it cannot.
  using Creator = std::function<ZORBaseUnknown_var()>;

  struct Request {
    std::string className;
    std::string libraryName;
    bool served = false;  // an object was made
  };

  static ZORExternalObjectRegistry& Get();

  // Replaces the creator registered for the same pair; a null creator removes it.
  void Register(const std::string& libraryName, const std::string& className, Creator creator);
  // Records the request, then makes the object with the registered creator. E_FAIL, with a null
  // `object`, when nothing is registered for the pair or the creator made nothing.
  HRESULT Create(const std::string& className, const std::string& libraryName,
                 ZORBaseUnknown_var& object);

  // The requests in the order they came.
  const std::deque<Request>& GetRequests() const { return requests_; }
  void ClearRequests() { requests_.clear(); }

 private:
  ZORExternalObjectRegistry();
  void Record(Request request);

  std::map<std::pair<std::string, std::string>, Creator> creators_;  // by (library, class)
  std::deque<Request> requests_;
};
