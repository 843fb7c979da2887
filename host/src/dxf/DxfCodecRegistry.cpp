// The process-wide registry of custom-entity DXF codecs.
#include "hxhost/DxfCodec.h"

#include "text/AsciiCase.h"

#include <algorithm>

namespace hxhost {
namespace {

std::vector<std::unique_ptr<DxfCustomCodec>>& registry() {
    static auto* s_codecs = new std::vector<std::unique_ptr<DxfCustomCodec>>;
    return *s_codecs;
}

auto findByClass(const AcRxClass* cls) {
    auto& codecs = registry();
    return std::find_if(codecs.begin(), codecs.end(),
                        [cls](const auto& codec) { return codec->customClass() == cls; });
}

} // namespace

bool registerDxfCodec(std::unique_ptr<DxfCustomCodec> codec) {
    if (codec == nullptr || codec->customClass() == nullptr)
        return false;
    const ACHAR* app = codec->appName();
    if (app == nullptr || app[0] == 0)
        return false;
    const DxfCustomCodec* holder = findDxfCodecByApp(app);
    if (holder != nullptr && holder->customClass() != codec->customClass())
        return false;
    auto it = findByClass(codec->customClass());
    if (it != registry().end())
        *it = std::move(codec);
    else
        registry().push_back(std::move(codec));
    return true;
}

bool unregisterDxfCodec(const AcRxClass* cls) {
    auto it = findByClass(cls);
    if (cls == nullptr || it == registry().end())
        return false;
    registry().erase(it);
    return true;
}

const DxfCustomCodec* findDxfCodec(const AcRxClass* cls) {
    if (cls == nullptr)
        return nullptr;
    auto it = findByClass(cls);
    return it == registry().end() ? nullptr : it->get();
}

const DxfCustomCodec* findDxfCodecByApp(const ACHAR* app) {
    if (app == nullptr || app[0] == 0)
        return nullptr;
    for (const auto& codec : registry()) {
        if (detail::sameNameNoCase(codec->appName(), app))
            return codec.get();
    }
    return nullptr;
}

std::vector<const DxfCustomCodec*> dxfCodecs() {
    std::vector<const DxfCustomCodec*> all;
    for (const auto& codec : registry())
        all.push_back(codec.get());
    return all;
}

} // namespace hxhost
