// BSTR strings: a byte length in front, the characters, a terminating zero.
#include "oleauto.h"

#include "hxhost/HostControl.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

struct BstrHeader {
    std::uint64_t bytes; // bytes of text, the terminating zero excluded
};

BstrHeader* headerOf(BSTR text) {
    return reinterpret_cast<BstrHeader*>(text) - 1;
}

} // namespace

const IID IID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    if (hxhost::shouldFail(hxhost::kFaultBstrAlloc))
        return nullptr;
    const size_t bytes = size_t(length) * sizeof(OLECHAR);
    void* block = std::malloc(sizeof(BstrHeader) + bytes + sizeof(OLECHAR));
    if (!block)
        return nullptr;
    auto* header = static_cast<BstrHeader*>(block);
    header->bytes = bytes;
    BSTR chars = reinterpret_cast<BSTR>(header + 1);
    if (text)
        std::memcpy(chars, text, bytes);
    else
        std::memset(chars, 0, bytes);
    chars[length] = L'\0';
    hxhost::acquired(hxhost::Resource::Bstr);
    return chars;
}

BSTR SysAllocString(const OLECHAR* text) {
    if (!text)
        return nullptr;
    return SysAllocStringLen(text, static_cast<UINT>(std::wcslen(text)));
}

void SysFreeString(BSTR text) {
    if (!text)
        return;
    hxhost::released(hxhost::Resource::Bstr);
    std::free(headerOf(text));
}

UINT SysStringLen(BSTR text) {
    return text ? static_cast<UINT>(headerOf(text)->bytes / sizeof(OLECHAR)) : 0;
}
