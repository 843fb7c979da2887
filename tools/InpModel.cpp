// Names of the model's kinds and node lookup.
#include "InpModel.h"

namespace hxwt {

const char* nodeKindName(NodeKind kind) {
    switch (kind) {
    case NodeKind::Junction:
        return "JUNCTION";
    case NodeKind::Reservoir:
        return "RESERVOIR";
    case NodeKind::Tank:
        return "TANK";
    case NodeKind::Outfall:
        return "OUTFALL";
    case NodeKind::Storage:
        return "STORAGE";
    case NodeKind::Divider:
        return "DIVIDER";
    }
    return "NODE";
}

const char* linkKindName(LinkKind kind) {
    switch (kind) {
    case LinkKind::Pipe:
        return "PIPE";
    case LinkKind::Pump:
        return "PUMP";
    case LinkKind::Valve:
        return "VALVE";
    case LinkKind::Conduit:
        return "CONDUIT";
    case LinkKind::Orifice:
        return "ORIFICE";
    case LinkKind::Weir:
        return "WEIR";
    case LinkKind::Outlet:
        return "OUTLET";
    }
    return "LINK";
}

int findNode(const InpModel& model, const std::string& id) {
    for (size_t i = 0; i < model.nodes.size(); ++i)
        if (model.nodes[i].id == id)
            return static_cast<int>(i);
    return -1;
}

} // namespace hxwt
