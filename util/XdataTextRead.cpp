// HxWtGetXdata: a text read back from xdata in either layout that
// HxWtSetXdata writes, the 1000 string or the joined 1004 chunks.
#include "HxWtXdata.h"

#include <vector>

#include "XdataAppName.h"

namespace {

// Where the walk over the chain stands: outside braces, inside a 1002 brace
// pair, or past a 1004 chunk.
enum WalkState { kOutside = 0, kInBraces = 1, kChunks = 2 };

// The bytes of every 1004 item of the chain, in order, with a terminating zero.
std::vector<char> JoinChunks(const resbuf* chain, int byteCount) {
    std::vector<char> bytes;
    bytes.reserve(byteCount + 1);
    for (const resbuf* item = chain; item != nullptr; item = item->rbnext) {
        if (item->restype != 1004)
            continue;
        const ads_binary& chunk = item->resval.rbinary;
        bytes.insert(bytes.end(), chunk.buf, chunk.buf + chunk.clen);
    }
    bytes.push_back('\0');
    return bytes;
}

// Text from zero-terminated ANSI code-page bytes (empty when they do not
// convert).
CString FromAnsi(const std::vector<char>& bytes) {
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), -1, nullptr, 0);
    if (size <= 0)
        return CString();
    std::vector<wchar_t> wide(size);
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), -1, wide.data(), size);
    return CString(wide.data());
}

// The text of the chain: the first 1000 string outside braces, else the 1004
// chunks when the walk ends past one. 0 when it holds neither.
int ReadChain(const resbuf* chain, CString& value) {
    int state = kOutside;
    int byteCount = 0;
    for (const resbuf* item = chain; item != nullptr; item = item->rbnext) {
        switch (item->restype) {
        case 1002:
            state = state == kOutside ? kInBraces : kOutside;
            break;
        case 1000:
            if (state == kOutside) {
                value = item->resval.rstring;
                return 1;
            }
            break;
        case 1004:
            byteCount += item->resval.rbinary.clen;
            state = kChunks;
            break;
        default:
            break;
        }
    }
    if (state != kChunks)
        return 0;
    value = FromAnsi(JoinChunks(chain, byteCount));
    return 1;
}

} // namespace

int HxWtGetXdata(AcDbObject* obj, wchar_t* appName, CString& value) {
    value = L"";
    if (obj == nullptr || appName == nullptr)
        return 0;
    resbuf* chain = obj->xData(appName);
    if (chain == nullptr)
        return 0;
    const int result = ReadChain(chain, value);
    acutRelRb(chain);
    return result;
}

int HxWtGetXdata(AcDbObjectId id, wchar_t* appName, CString& value) {
    value = L"";
    HxWtXdataDetail::CutLongAppName(appName);
    AcDbObject* obj = nullptr;
    if (acdbOpenObject(obj, id, AcDb::kForRead, false) != Acad::eOk)
        return 0;
    const int result = HxWtGetXdata(obj, appName, value);
    obj->close();
    return result;
}
