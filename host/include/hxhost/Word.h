// Stand-in only: the in-process Word of the stand-in host. Word's object model
// is served by automation objects (IDispatch) over real WordprocessingML
// packages (.docx, .dotx); the product's base module starts it here, as the
// product starts Word through COM. The dispatch ids of its members are in
// hxhost/WordTypeLib.h.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "oaidl.h"

#define HX_WORD_API __attribute__((visibility("default")))

namespace hxhost {

// Starts a Word of its own and gives its Application object with one
// reference for the caller; null when Word does not start (kFaultWordStart).
// Word ends when the last reference to any of its objects is released.
HX_WORD_API IDispatch* startWord();

// The kinds of Word objects ("Application", "Documents", "Document", ...) in
// the order their last reference went, since the last clear.
HX_WORD_API std::vector<std::string> wordReleases();
HX_WORD_API void clearWordReleases();

// One part of a package: its name inside the zip and its bytes.
typedef std::pair<std::string, std::string> PackagePart;

// Writes the parts as a zip package at path, deterministically: parts in the
// order given, fixed timestamps, deflated. Writes a temporary file beside the
// target and renames it over the target. False with a message in *error.
HX_WORD_API bool writeWordPackage(const std::string& path, const std::vector<PackagePart>& parts,
                                  std::string* error);

} // namespace hxhost
