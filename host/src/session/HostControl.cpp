// The discipline ledger and the fault plans of the stand-in host.
#include "hxhost/HostControl.h"

#include <array>
#include <map>
#include <sstream>
#include <vector>

namespace hxhost {
namespace {

struct FaultPlan {
    int skip = 0;
    int times = 0;
};

struct Ledger {
    std::array<int, kResourceCount> counts{};
    std::map<std::string, FaultPlan> faults;
    int calls = 0;
    std::vector<std::string> failed;
};

Ledger& ledger() {
    static Ledger s_ledger;
    return s_ledger;
}

} // namespace

const char* resourceName(Resource r) {
    switch (r) {
    case Resource::OpenObject:
        return "open objects";
    case Resource::Resbuf:
        return "unreleased result buffers";
    case Resource::String:
        return "unreleased host strings";
    case Resource::SelectionSet:
        return "selection sets not freed";
    case Resource::DocumentLock:
        return "document locks held";
    case Resource::Transaction:
        return "transactions not ended";
    case Resource::Window:
        return "windows not destroyed";
    case Resource::Font:
        return "fonts not deleted";
    case Resource::DeviceContext:
        return "device contexts not released";
    case Resource::Dispatch:
        return "live dispatch objects";
    case Resource::Bstr:
        return "BSTR strings not freed";
    case Resource::Exception:
        return "framework exceptions not deleted";
    }
    return "?";
}

void acquired(Resource r, int n) {
    ledger().counts[static_cast<int>(r)] += n;
}
void released(Resource r, int n) {
    ledger().counts[static_cast<int>(r)] -= n;
}
int outstanding(Resource r) {
    return ledger().counts[static_cast<int>(r)];
}

std::string describeOutstanding() {
    std::ostringstream out;
    for (int i = 0; i < kResourceCount; ++i) {
        int n = ledger().counts[i];
        if (n != 0)
            out << n << ' ' << resourceName(static_cast<Resource>(i)) << '\n';
    }
    return out.str();
}

void resetLedger() {
    ledger().counts.fill(0);
}

void failNext(const std::string& operation, int times, int skip) {
    ledger().faults[operation] = FaultPlan{skip, times};
}

namespace {

// Consumes one call of the plan at it; true when that call is to fail.
bool consume(std::map<std::string, FaultPlan>& faults,
             std::map<std::string, FaultPlan>::iterator it) {
    FaultPlan& plan = it->second;
    if (plan.skip > 0) {
        --plan.skip;
        return false;
    }
    if (plan.times <= 0)
        return false;
    if (--plan.times == 0)
        faults.erase(it);
    return true;
}

} // namespace

bool shouldFail(const char* operation) {
    Ledger& l = ledger();
    ++l.calls;
    if (l.faults.empty()) // no plan: nothing to look up (the common case)
        return false;
    auto it = l.faults.find(operation);
    bool fail = it != l.faults.end() && consume(l.faults, it);
    if (!fail) {
        it = l.faults.find(kFaultAny);
        fail = it != l.faults.end() && consume(l.faults, it);
    }
    if (fail)
        l.failed.emplace_back(operation);
    return fail;
}

int pendingFaults(const std::string& operation) {
    auto it = ledger().faults.find(operation);
    return it == ledger().faults.end() ? 0 : it->second.times;
}

void clearFaults() {
    Ledger& l = ledger();
    l.faults.clear();
    l.calls = 0;
    l.failed.clear();
}

int failableCalls() {
    return ledger().calls;
}
const std::vector<std::string>& failedOperations() {
    return ledger().failed;
}

} // namespace hxhost
