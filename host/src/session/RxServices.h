// Host-internal: the runtime services the host owns and enters into the
// system registry.
#pragma once

class AcRxDynamicLinker;
class AcEdCommandStack;

namespace hxhost::detail {

AcRxDynamicLinker* hostDynamicLinker();
AcEdCommandStack* hostCommandStack();

} // namespace hxhost::detail
