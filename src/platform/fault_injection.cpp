// The process's one set of injected faults.
#include "platform/fault_injection.h"

#include <utility>

namespace kadoro {
namespace {

FaultInjection& Faults() {
    static FaultInjection faults;
    return faults;
}

}  // namespace

ScopedFaultInjection::ScopedFaultInjection(FaultInjection faults) {
    Faults() = std::move(faults);
}

ScopedFaultInjection::~ScopedFaultInjection() {
    Faults() = {};
}

const FaultInjection& ActiveFaults() {
    return Faults();
}

}  // namespace kadoro
