#include "services/registry.h"

#include <utility>

#include "services/builtins.h"
#include "services/cal_director.h"

namespace reportdata {
namespace {

// One service: the host's implementation when installed, and the built-in
// one, made on first use and kept so that objects it handed out stay valid.
template <typename Service, typename Impl = Service>
class Slot {
 public:
  using Factory = std::shared_ptr<Impl> (*)();
  explicit Slot(Factory make) : make_(make) {}

  std::shared_ptr<Service> Current() { return installed_ ? installed_ : Builtin(); }
  bool installed() const { return installed_ != nullptr; }

  std::shared_ptr<Impl> Builtin() {
    if (!builtin_) builtin_ = make_();
    return builtin_;
  }

  // Returns the implementation that was current before.
  std::shared_ptr<Service> Install(std::shared_ptr<Service> service) {
    std::shared_ptr<Service> previous = Current();
    installed_ = std::move(service);
    return previous;
  }

 private:
  Factory make_;
  std::shared_ptr<Impl> builtin_;
  std::shared_ptr<Service> installed_;
};

Slot<CalResultService>& CalResultSlot() {
  static Slot<CalResultService> slot(MakeBuiltinCalResultService);
  return slot;
}
Slot<CompareService>& CompareSlot() {
  static Slot<CompareService> slot(MakeBuiltinCompareService);
  return slot;
}
Slot<IDMDirector, CalDirector>& DirectorSlot() {
  static Slot<IDMDirector, CalDirector> slot(MakeBuiltinDirector);
  return slot;
}
Slot<ProgressSink>& ProgressSlot() {
  static Slot<ProgressSink> slot(MakeBuiltinProgressSink);
  return slot;
}
Slot<QuotaLibraryService>& QuotaLibrarySlot() {
  static Slot<QuotaLibraryService> slot(MakeBuiltinQuotaLibraryService);
  return slot;
}
Slot<AttrProxyService>& AttrProxySlot() {
  static Slot<AttrProxyService> slot(MakeBuiltinAttrProxyService);
  return slot;
}
Slot<SystemDataService>& SystemDataSlot() {
  static Slot<SystemDataService> slot(MakeBuiltinSystemDataService);
  return slot;
}
Slot<IAttrTempDirector>& AttrTempSlot() {
  static Slot<IAttrTempDirector> slot(MakeBuiltinAttrTempDirector);
  return slot;
}

}  // namespace

CalResultService& CurrentCalResultService() { return *CalResultSlot().Current(); }
CompareService& CurrentCompareService() { return *CompareSlot().Current(); }
IDMDirector& CurrentDirector() { return *DirectorSlot().Current(); }
std::shared_ptr<ProgressSink> CurrentProgressSink() { return ProgressSlot().Current(); }
QuotaLibraryService& CurrentQuotaLibraryService() { return *QuotaLibrarySlot().Current(); }
AttrProxyService& CurrentAttrProxyService() { return *AttrProxySlot().Current(); }
SystemDataService& CurrentSystemDataService() { return *SystemDataSlot().Current(); }
IAttrTempDirector& CurrentAttrTempDirector() { return *AttrTempSlot().Current(); }
CalDirector& BuiltinDirector() { return *DirectorSlot().Builtin(); }
bool BuiltinCalResultServiceStands() { return !CalResultSlot().installed(); }

std::shared_ptr<CalResultService> InstallService(std::shared_ptr<CalResultService> service) {
  return CalResultSlot().Install(std::move(service));
}
std::shared_ptr<CompareService> InstallService(std::shared_ptr<CompareService> service) {
  return CompareSlot().Install(std::move(service));
}
std::shared_ptr<IDMDirector> InstallService(std::shared_ptr<IDMDirector> service) {
  return DirectorSlot().Install(std::move(service));
}
std::shared_ptr<ProgressSink> InstallService(std::shared_ptr<ProgressSink> service) {
  return ProgressSlot().Install(std::move(service));
}
std::shared_ptr<QuotaLibraryService> InstallService(std::shared_ptr<QuotaLibraryService> service) {
  return QuotaLibrarySlot().Install(std::move(service));
}
std::shared_ptr<AttrProxyService> InstallService(std::shared_ptr<AttrProxyService> service) {
  return AttrProxySlot().Install(std::move(service));
}
std::shared_ptr<SystemDataService> InstallService(std::shared_ptr<SystemDataService> service) {
  return SystemDataSlot().Install(std::move(service));
}
std::shared_ptr<IAttrTempDirector> InstallService(std::shared_ptr<IAttrTempDirector> service) {
  return AttrTempSlot().Install(std::move(service));
}

}  // namespace reportdata
