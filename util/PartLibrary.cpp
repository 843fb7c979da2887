// Part-library lookups: a part's drawing file in a library folder and the 3D
// files of valves and other attachments, by part name.
#include "HxWtPartLib.h"

#include "HxAecDataBase.h"
#include "HxAecUtility.h"
#include "DwgLibDirectory.h"

namespace {

// Reads the catalogue file; when it has an item named itemName, file3d
// receives the item's "file3d" text and the result is true.
bool FindFile3d(const CString& catalogue, const CString& itemName, CString& file3d) {
    HxDtDwgLib lib;
    lib.SetFileName(catalogue.GetString());
    if (!lib.ReadFromXML())
        return false;
    const HxDtLibItem* item = lib.FindItem(L"name", itemName.GetString());
    if (item == nullptr)
        return false;
    file3d = item->GetAttributeValue(L"file3d");
    return true;
}

// The 3D file of a part: the system catalogue's answer is final when it has
// the name, else the user catalogue's; empty when neither has it.
CString Find3dFile(const CString& partName, const wchar_t* sysCatalogue, const wchar_t* sysFolder,
                   const wchar_t* userCatalogue, const wchar_t* userFolder) {
    const CString root = GetDwgLibDirectory();
    CString file3d;
    if (FindFile3d(root + sysCatalogue, partName, file3d))
        return file3d.IsEmpty() ? CString() : root + sysFolder + file3d;
    if (FindFile3d(root + userCatalogue, partName, file3d))
        return file3d.IsEmpty() ? CString() : root + userFolder + file3d;
    return CString();
}

} // namespace

CString GetDwgLibDirectory() {
    return GetMainDirectory() + L"DwgLib\\";
}

int HxWtGetDwgLibFilePath(const CString& libDir, const CString& itemName, CString& filePath) {
    HxDtDwgLib lib;
    lib.SetFileName((libDir + L"\\SysLib.dml").GetString());
    if (!lib.ReadFromXML())
        return 0;
    const HxDtLibItem* item = lib.FindItem(L"name", itemName.GetString());
    if (item == nullptr)
        return 0;
    filePath = libDir + L"\\SysLib\\" + item->GetDataFile();
    return 1;
}

CString HxWtGetValve3dFileName(const CString& valveName) {
    return Find3dFile(valveName, L"ValveLib\\SysLib.dml", L"Valve3dLib\\SysLib\\",
                      L"ValveLib\\MyLib.dml", L"Valve3dLib\\SysLib\\");
}

CString HxWtGetOtherAtt3dFileName(const CString& attName) {
    return Find3dFile(attName, L"OtherAttLib\\SysLib.dml", L"OtherAtt3dLib\\SysLib\\",
                      L"OtherAttLib\\MyLib.dml", L"OtherAtt3dLib\\MyLib\\");
}
