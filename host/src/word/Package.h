// The zip package of a Word document: its parts by name, in stored order.
#pragma once

#include <string>
#include <vector>

#include "hxhost/Word.h"

namespace hxword {

struct Package {
    std::vector<hxhost::PackagePart> parts;

    // The part of that name, or null.
    std::string* find(const std::string& name);
    // Sets the part's bytes, adding it at the end when it is new.
    void put(const std::string& name, std::string bytes);
};

// Reads the package at path. False with a message in *error when the file is
// missing (*missing set), not a zip, damaged or too large.
bool readPackage(const std::string& path, Package& package, std::string* error, bool* missing);

} // namespace hxword
