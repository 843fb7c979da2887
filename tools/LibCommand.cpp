// hxwt lib: the part-library lookups of the module on a library tree.
//   lib path LIBDIR NAME        the drawing file of an item of LIBDIR\SysLib.dml
//   lib 3d valve|other NAME     the 3D file of a valve or other attachment
//   lib sample OUTDIR           writes the drawings of the bundled library
// Exit 0 with an answer, 1 when nothing is found (with what each catalogue
// said), 2 for bad usage.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ExitCode.h"
#include "HxAecDataBase.h"
#include "HxAecUtility.h"
#include "HxWtUtility.h"
#include "PartLibrarySample.h"
#include "PartToolText.h"
#include "ToolCommands.h"
#include "ToolText.h"
#include "hxpeers/CatalogueRead.h"

namespace hxwt {
namespace {

struct LibOptions {
    std::string libDir;
    std::string kind; // "valve" or "other"
    std::string name;
    std::string mainDir;
    std::string outDir;
    bool json = false;
};

struct CatalogueNote {
    std::string file;
    std::string state;
};

// What the catalogue at path says about the item: not read (why), no such
// item, or the item (with its "file3d" when asked for).
CatalogueNote describeItem(const std::wstring& path, const std::wstring& name, bool file3d) {
    HxDtDwgLib lib;
    lib.SetFileName(path.c_str());
    CatalogueNote note{toUtf8(path), {}};
    if (!lib.ReadFromXML()) {
        note.state = "not read: " + hxpeers::lastCatalogueError();
        return note;
    }
    const HxDtLibItem* item = lib.FindItem(L"name", name.c_str());
    const std::string text3d =
        item == nullptr ? "" : toUtf8(item->GetAttributeValue(L"file3d").GetString());
    if (item == nullptr)
        note.state = "read, no item named '" + toUtf8(name) + "'";
    else if (!file3d)
        note.state = "read, item found";
    else if (text3d.empty())
        note.state = "read, item found, its file3d is empty";
    else
        note.state = "read, file3d '" + text3d + "'";
    return note;
}

void printNotes(const std::vector<CatalogueNote>& notes) {
    for (const CatalogueNote& note : notes)
        std::cerr << "  " << note.file << ": " << note.state << "\n";
}

std::string jsonNotes(const std::vector<CatalogueNote>& notes) {
    std::string out = "[";
    for (const CatalogueNote& note : notes) {
        out += out.size() > 1 ? ", " : "";
        out +=
            "{\"file\": " + jsonString(note.file) + ", \"state\": " + jsonString(note.state) + "}";
    }
    return out + "]";
}

// Prints the answer (a host path) or, when empty, the failure with the notes.
int printAnswer(const LibOptions& o, const char* what, const std::string& hostPath,
                const std::vector<CatalogueNote>& notes) {
    const std::string local = hostPath.empty() ? std::string() : localPath(hostPath);
    const bool exists = !local.empty() && pathExists(local);
    if (o.json) {
        std::cout << "{\"name\": " << jsonString(o.name)
                  << ", \"found\": " << (hostPath.empty() ? "false" : "true")
                  << ", \"path\": " << jsonString(hostPath) << ", \"file\": " << jsonString(local)
                  << ", \"exists\": " << (exists ? "true" : "false")
                  << ", \"catalogues\": " << jsonNotes(notes) << "}\n";
    }
    if (hostPath.empty()) {
        std::cerr << "hxwt lib: no " << what << " for '" << o.name << "'\n";
        printNotes(notes);
        return kExitNegative;
    }
    if (!o.json) {
        std::cout << "name    " << o.name << "\n"
                  << "path    " << hostPath << "\n"
                  << "file    " << local << (exists ? "" : " (missing)") << "\n";
    }
    return kExitOk;
}

int lookupDrawing(const LibOptions& o) {
    const CString libDir(fromUtf8(o.libDir).c_str());
    CString found;
    const int rc = HxWtGetDwgLibFilePath(libDir, CString(fromUtf8(o.name).c_str()), found);
    const std::wstring catalogue = fromUtf8(o.libDir) + L"\\SysLib.dml";
    std::vector<CatalogueNote> notes;
    if (rc == 0)
        notes.push_back(describeItem(catalogue, fromUtf8(o.name), false));
    return printAnswer(o, "drawing file", rc == 1 ? toUtf8(found.GetString()) : "", notes);
}

int lookup3d(const LibOptions& o) {
    if (o.kind != "valve" && o.kind != "other") {
        std::cerr << "hxwt lib 3d: expected 'valve' or 'other', found '" << o.kind << "'\n";
        return kExitUsage;
    }
    useMainDirectory(o.mainDir);
    const bool valve = o.kind == "valve";
    const CString name(fromUtf8(o.name).c_str());
    const CString found = valve ? HxWtGetValve3dFileName(name) : HxWtGetOtherAtt3dFileName(name);
    std::vector<CatalogueNote> notes;
    const std::wstring root = std::wstring(GetMainDirectory().GetString()) + L"DwgLib\\" +
                              (valve ? L"ValveLib\\" : L"OtherAttLib\\");
    for (const wchar_t* file : {L"SysLib.dml", L"MyLib.dml"})
        notes.push_back(describeItem(root + file, fromUtf8(o.name), true));
    return printAnswer(o, valve ? "3D file of a valve" : "3D file of an attachment",
                       toUtf8(found.GetString()), notes);
}

} // namespace

void addLibCommand(CLI::App& app) {
    auto o = std::make_shared<LibOptions>();
    CLI::App* lib = app.add_subcommand("lib", "Part-library lookups (drawing and 3D files)");
    lib->require_subcommand(1);

    CLI::App* path = lib->add_subcommand("path", "Drawing file of an item of LIBDIR\\SysLib.dml");
    path->add_option("libdir", o->libDir, "Library folder")->required();
    path->add_option("name", o->name, "Item name")->required();
    path->add_flag("--json", o->json, "Print the answer as JSON");
    path->callback([o] { setExitCode(lookupDrawing(*o)); });

    CLI::App* three = lib->add_subcommand("3d", "3D file of a valve or other attachment");
    three->add_option("kind", o->kind, "valve or other")->required();
    three->add_option("name", o->name, "Part name")->required();
    three->add_option("--main-dir", o->mainDir, "Installation directory (over HXWT_MAIN_DIR)");
    three->add_flag("--json", o->json, "Print the answer as JSON");
    three->callback([o] { setExitCode(lookup3d(*o)); });

    CLI::App* sample = lib->add_subcommand("sample", "Write the bundled library's drawings");
    sample->add_option("outdir", o->outDir, "Folder holding DwgLib/ (examples)")->required();
    sample->callback([o] { setExitCode(writePartLibrarySample(o->outDir)); });
}

} // namespace hxwt
