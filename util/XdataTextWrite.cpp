// HxWtSetXdata: a text stored as xdata, as one 1000 string or as 1004 chunks of
// its ANSI code-page bytes, under the current document's write lock.
#include "HxWtXdata.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "XdataAppName.h"

namespace {

// Longest text, in ANSI bytes, that is stored as one 1000 string; longer ones
// go into 1004 chunks of kChunkBytes.
constexpr int kMaxStringBytes = 255;
constexpr int kChunkBytes = 127;

// Holds a write lock on the current document while it lives (no command
// names, no prompt). locked() is false when the host refused the lock.
class CurrentDocumentWriteLock {
public:
    CurrentDocumentWriteLock() : m_doc(acDocManagerPtr()->curDocument()) {
        m_locked = acDocManagerPtr()->lockDocument(m_doc, AcAp::kWrite, nullptr, nullptr, false) ==
                   Acad::eOk;
    }
    ~CurrentDocumentWriteLock() {
        if (m_locked)
            acDocManagerPtr()->unlockDocument(m_doc);
    }
    CurrentDocumentWriteLock(const CurrentDocumentWriteLock&) = delete;
    CurrentDocumentWriteLock& operator=(const CurrentDocumentWriteLock&) = delete;
    bool locked() const { return m_locked; }

private:
    AcApDocument* m_doc;
    bool m_locked = false;
};

// A new item of a text group code holding a malloc'd copy of text (what
// acutRelRb frees); null when memory is refused.
resbuf* NewTextItem(int code, const wchar_t* text) {
    resbuf* item = acutNewRb(code);
    if (item == nullptr)
        return nullptr;
    const size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    item->resval.rstring = static_cast<wchar_t*>(std::malloc(bytes));
    if (item->resval.rstring == nullptr) {
        acutRelRb(item);
        return nullptr;
    }
    std::memcpy(item->resval.rstring, text, bytes);
    return item;
}

// A new 1004 item holding a copy of `count` bytes; null when memory is
// refused.
resbuf* NewChunkItem(const char* bytes, int count) {
    resbuf* item = acutNewRb(1004);
    if (item == nullptr)
        return nullptr;
    item->resval.rbinary.buf = static_cast<char*>(std::malloc(count > 0 ? count : 1));
    if (item->resval.rbinary.buf == nullptr) {
        acutRelRb(item);
        return nullptr;
    }
    std::memcpy(item->resval.rbinary.buf, bytes, count);
    item->resval.rbinary.clen = static_cast<short>(count);
    return item;
}

// Registers appName in db's APPID table unless a live record has it. False
// when the table does not open or cannot be upgraded to write (the new record
// is then deleted).
bool RegisterAppName(AcDbDatabase* db, const wchar_t* appName) {
    AcDbRegAppTable* table = nullptr;
    if (db == nullptr || db->getSymbolTable(table, AcDb::kForRead) != Acad::eOk)
        return false;
    AcDbObjectId existing;
    if (table->getIdAt(appName, existing, false) == Acad::eOk) {
        table->close();
        return true;
    }
    auto* record = new AcDbRegAppTableRecord;
    record->setName(appName);
    if (table->upgradeOpen() != Acad::eOk) {
        delete record;
        table->close();
        return false;
    }
    if (table->add(record) == Acad::eOk)
        record->close();
    else
        delete record; // never joined the database: still ours
    table->close();
    return true;
}

// The head of the new chain: the 1001 item of the object's present xdata of
// appName (its other items released), or else a new 1001 item once the
// application is registered. Null on failure.
resbuf* ChainHead(AcDbObject* obj, const wchar_t* appName, AcDbDatabase* db) {
    resbuf* head = obj->xData(appName);
    if (head != nullptr) {
        acutRelRb(head->rbnext);
        head->rbnext = nullptr;
        return head;
    }
    if (!RegisterAppName(db, appName))
        return nullptr;
    return NewTextItem(1001, appName);
}

// The text in the ANSI code page, without its terminating zero.
std::vector<char> AnsiBytes(const CString& value) {
    const int size =
        WideCharToMultiByte(CP_ACP, 0, value.GetString(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return {};
    std::vector<char> bytes(size);
    WideCharToMultiByte(CP_ACP, 0, value.GetString(), -1, bytes.data(), size, nullptr, nullptr);
    bytes.pop_back();
    return bytes;
}

// Appends the 1004 chunks of bytes behind tail: full chunks while at least
// kChunkBytes remain, then one last chunk with the rest (empty when nothing
// remains). False when memory is refused (the items made so far stay linked).
bool AppendChunks(resbuf* tail, const std::vector<char>& bytes) {
    const int total = static_cast<int>(bytes.size());
    int offset = 0;
    for (;;) {
        const int count = total - offset >= kChunkBytes ? kChunkBytes : total - offset;
        tail->rbnext = NewChunkItem(bytes.data() + offset, count);
        if (tail->rbnext == nullptr)
            return false;
        tail = tail->rbnext;
        offset += count;
        if (count < kChunkBytes)
            return true;
    }
}

// Appends the value behind head: one 1000 string, or the 1004 chunks of a text
// longer than kMaxStringBytes in the ANSI code page.
bool AppendValue(resbuf* head, const CString& value) {
    const std::vector<char> bytes = AnsiBytes(value);
    if (static_cast<int>(bytes.size()) > kMaxStringBytes)
        return AppendChunks(head, bytes);
    head->rbnext = NewTextItem(1000, value.GetString());
    return head->rbnext != nullptr;
}

// Upgrades obj, hands it the chain and puts it back to read. The chain stays
// the caller's.
int StoreChain(AcDbObject* obj, const resbuf* chain) {
    const Acad::ErrorStatus upgraded = obj->upgradeOpen();
    if (upgraded != Acad::eOk && upgraded != Acad::eWasOpenForWrite)
        return 0;
    const Acad::ErrorStatus stored = obj->setXData(chain);
    obj->downgradeOpen();
    return stored == Acad::eOk ? 1 : 0;
}

} // namespace

int HxWtSetXdata(AcDbObject* obj, wchar_t* appName, CString value, AcDbDatabase* db) {
    if (db == nullptr)
        db = acdbHostApplicationServices()->workingDatabase();
    if (obj == nullptr || appName == nullptr)
        return 0;
    CurrentDocumentWriteLock lock;
    if (!lock.locked())
        return 0;
    resbuf* chain = ChainHead(obj, appName, db);
    if (chain == nullptr)
        return 0;
    int result = 0;
    if (AppendValue(chain, value))
        result = StoreChain(obj, chain);
    acutRelRb(chain);
    return result;
}

int HxWtSetXdata(AcDbObjectId id, wchar_t* appName, CString value, AcDbDatabase* db) {
    if (db == nullptr)
        db = acdbHostApplicationServices()->workingDatabase();
    HxWtXdataDetail::CutLongAppName(appName);
    AcDbObject* obj = nullptr;
    if (acdbOpenObject(obj, id, AcDb::kForRead, false) != Acad::eOk)
        return 0;
    const int result = HxWtSetXdata(obj, appName, value, db);
    obj->close();
    return result;
}
