#include "ControlRegistry.h"

#include <mutex>
#include <unordered_map>

namespace {

struct Registry {
  std::mutex lock;
  std::unordered_map<const void*, uint64_t> serials;
  uint64_t next = 1;
};

// Never destroyed: controls held by static objects may leave after other statics are gone.
Registry& TheRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

}  // namespace

uint64_t RegisterLiveControl(const void* control) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> hold(r.lock);
  const uint64_t serial = r.next++;
  r.serials[control] = serial;
  return serial;
}

void UnregisterLiveControl(const void* control) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> hold(r.lock);
  r.serials.erase(control);
}

uint64_t LiveControlSerial(const void* control) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> hold(r.lock);
  const auto it = r.serials.find(control);
  return it == r.serials.end() ? 0 : it->second;
}
