// Fuzz harness: xdata chains read back from a drawing. The input is the
// xdata part of a text entity (group code and value lines, from 1001 on),
// placed into a small drawing that registers the applications it may name;
// the drawing is read into the current document and the chains are read back
// through the module's xdata getters, the raw chain walk, and the elevation
// utility, which collects samples by their xdata.
#include "FuzzSupport.h"

#include "HxWtPointElevUtility.h"
#include "HxWtXdata.h"
#include "acdocman.h"
#include "acutads.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "hxhost/Drawing.h"

#include <string>

namespace {

const char kHead[] = "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  0\nENDSEC\n"
                     "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nAPPID\n"
                     "  0\nAPPID\n  2\nACAD\n 70\n0\n  0\nAPPID\n  2\nHxSZ_BGWZ\n 70\n0\n"
                     "  0\nAPPID\n  2\nHXFZ\n 70\n0\n  0\nAPPID\n  2\nVLength\n 70\n0\n"
                     "  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n"
                     "  0\nTEXT\n  5\n20\n 10\n1.0\n 20\n2.0\n 30\n0.0\n 40\n2.5\n  1\n12.5\n";
const char kTail[] = "  0\nLINE\n  5\n21\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 11\n5.0\n 21\n5.0\n"
                     " 31\n0.0\n  0\nENDSEC\n  0\nEOF\n";

// Reads every application's xdata of id back in each way the module does.
void readBack(AcDbObjectId id) {
    wchar_t apps[][16] = {L"HxSZ_BGWZ", L"HXFZ", L"VLength", L"ACAD"};
    for (wchar_t* app : apps) {
        CString text;
        HxWtGetXdata(id, app, text);
        AcDbObjectId ref;
        HxWtGetHandleXdata(id, app, ref);
    }
    AcDbObject* obj = nullptr;
    if (acdbOpenObject(obj, id, AcDb::kForRead) != Acad::eOk)
        return;
    resbuf* chain = obj->xData();
    for (resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
    }
    acutRelRb(chain);
    obj->close();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text = kHead;
    text.append(reinterpret_cast<const char*>(data), size);
    if (text.back() != '\n')
        text += '\n';
    text += kTail;
    const std::wstring path = hxfuzz::writeScratch(
        "xdata.dxf", reinterpret_cast<const uint8_t*>(text.data()), text.size());
    AcDbDatabase* db = acDocManagerPtr()->curDocument()->database();
    if (db->readDwgFile(path.c_str()) == Acad::eOk) {
        for (const char* handle : {"20", "21"}) {
            AcDbObjectId id;
            if (db->getAcDbObjectId(id, false, AcDbHandle(handle)) == Acad::eOk)
                readBack(id);
        }
        HxWtPointElevUtility levels;
        double level = 0.0;
        levels.GetPointElevation(AcGePoint3d(3.0, 4.0, 0.0), level);
    }
    hxfuzz::requireCleanHost("xdata_chain");
    return 0;
}
