// Reading the input files of EPANET and SWMM into an InpModel. The format is
// told by the sections the file has. Whatever the reader cannot carry over is
// reported with its line: a malformed record, a duplicated id, a link to an
// unknown node or a node without coordinates is an error (the model is then
// not to be used); unknown sections, sections the tool does not carry, and
// values it changes are findings. Nothing is dropped without a message.
#pragma once

#include <string>
#include <vector>

#include "InpModel.h"

namespace hxwt {

struct InpMessage {
    int line = 0; // 0: the file as a whole
    std::string text;
    bool error = false;
};

struct InpRead {
    InpModel model;
    std::vector<InpMessage> messages; // in line order
    bool failed() const;
};

// Parses the text of an input file.
InpRead parseInp(const std::string& text);

// Reads and parses the file at path. False, with "PATH: why" in *error, when
// the file cannot be read.
bool readInpFile(const std::string& path, InpRead& read, std::string* error);

// "FILE:LINE: text" ("FILE: text" for line 0).
std::string messageText(const std::string& file, const InpMessage& message);

// The number of the text when all of it is one finite number.
bool parseStrictNumber(const std::string& text, double& value);

} // namespace hxwt
