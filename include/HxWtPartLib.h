// Part libraries of HxWtUtility: the drawing and 3D files of valves and other
// pipe attachments, found by part name in the catalogues under the product's
// installation directory, and the size marker of a valve (its length and
// height) in an inserted valve or in a valve drawing file.
//
// Library layout under the main directory M (GetMainDirectory(), ending in a
// backslash), all paths built the host's way with backslashes:
//   M\DwgLib\ValveLib\SysLib.dml, MyLib.dml        system and user valves
//   M\DwgLib\Valve3dLib\SysLib\                    3D files of all valves
//   M\DwgLib\OtherAttLib\SysLib.dml, MyLib.dml     other attachments
//   M\DwgLib\OtherAtt3dLib\SysLib\, MyLib\         their 3D files
// A library folder D holds its catalogue D\SysLib.dml and its drawings in
// D\SysLib\.
//
// Valve size marker: a zero-length line carrying xdata texts under "VLength"
// and "VHeight". In a block definition it lies at the position of the block
// reference; in a valve drawing file in model space at the insertion base
// point. Nothing here prints or throws.
#pragma once

#include "HxWtHost.h"

// 1 with filePath = libDir + "\SysLib\" + the item's data file when the
// catalogue libDir + "\SysLib.dml" reads and has an item named itemName;
// otherwise 0 and filePath untouched.
HXWTUTILITY_API int HxWtGetDwgLibFilePath(const CString& libDir, const CString& itemName,
                                          CString& filePath);

// The full path of a valve's 3D file: the system valve catalogue decides when
// it has the name (an empty "file3d" gives the empty string), else the user
// catalogue; both place the file in "Valve3dLib\SysLib\". Empty when neither
// catalogue reads or has the name.
HXWTUTILITY_API CString HxWtGetValve3dFileName(const CString& valveName);

// As HxWtGetValve3dFileName for other attachments: system catalogue first (3D
// folder "OtherAtt3dLib\SysLib\"), then the user one ("OtherAtt3dLib\MyLib\").
HXWTUTILITY_API CString HxWtGetOtherAtt3dFileName(const CString& attName);

// Reads the size marker in the block of the block reference valveRef. 0 when
// valveRef does not open as a block reference; otherwise 1, with length and
// height from the marker ("VLength", "VHeight"; a missing entry reads 0), or
// left as they were when the block does not open or has no marker.
HXWTUTILITY_API int HxWtGetValveSizeData(AcDbObjectId valveRef, double& length, double& height);

// Writes length and height (as "%g" text) on the marker in the block of
// valveRef, registering the applications in the working drawing. 0 when
// valveRef does not open as a block reference; otherwise 1, also when there is
// no marker (nothing written, no marker made).
HXWTUTILITY_API int HxWtSetValveSizeData(AcDbObjectId valveRef, double length, double height);

// Reads the size marker of the valve drawing file dwgPath. Always 1; length
// and height stay as they were when the file does not read or has no marker.
HXWTUTILITY_API int HxWtGetValveSizeData(const CString& dwgPath, double& length, double& height);

// Writes length and height on the marker of the valve drawing file dwgPath
// and saves the drawing over the file (through a full copy, in the host's
// AutoCAD 2000 format, without backup; a failed save leaves the file as it
// was). 0 when the file does not read; otherwise 1, also when there is no
// marker (the file is still rewritten).
HXWTUTILITY_API int HxWtSetValveSizeData(const CString& dwgPath, double length, double height);
