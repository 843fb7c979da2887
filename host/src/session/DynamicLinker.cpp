// The host's dynamic linker: records per application whether it declared
// itself able to work with several documents.
#include "session/Applications.h"
#include "session/RxServices.h"
#include "rxdlinkr.h"

ACRX_NO_CONS_DEFINE_MEMBERS(AcRxDynamicLinker, AcRxObject)

namespace {

class HostDynamicLinker : public AcRxDynamicLinker {
public:
    bool registerAppMDIAware(void* appId) const override { return record(appId, true); }
    bool registerAppNotMDIAware(void* appId) const override { return record(appId, false); }

private:
    static bool record(void* appId, bool mdiAware) {
        if (appId == nullptr)
            return false;
        hxhost::detail::applicationRecord(appId).mdiAware = mdiAware;
        return true;
    }
};

} // namespace

namespace hxhost::detail {

AcRxDynamicLinker* hostDynamicLinker() {
    static AcRxDynamicLinker* s_linker = new HostDynamicLinker;
    return s_linker;
}

} // namespace hxhost::detail
