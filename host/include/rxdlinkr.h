// AcRxDynamicLinker: the host's record of loaded application modules. The
// host owns the one instance, found in the system registry (acrxDynamicLinker).
#pragma once

#include "rxregsvc.h"

#define ACRX_DYNAMIC_LINKER ACRX_T("DynamicLinker")

class HX_RX_API AcRxDynamicLinker : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxDynamicLinker);

    // Declares the application able (or not) to work with several documents
    // at once. False for a null handle, true otherwise.
    virtual bool registerAppMDIAware(void* appId) const = 0;
    virtual bool registerAppNotMDIAware(void* appId) const = 0;

protected:
    AcRxDynamicLinker() = default;
};

#define acrxDynamicLinker AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER))
