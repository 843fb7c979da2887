// Fuzz harness: the text of an EPANET or SWMM input file parsed into a
// network model, every message formatted, and the model's links required to
// name nodes of the model when the read reported no error.
#include "InpReader.h"

#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const hxwt::InpRead read = hxwt::parseInp(text);
    for (const hxwt::InpMessage& message : read.messages)
        (void)hxwt::messageText("fuzz.inp", message);
    if (read.failed())
        return 0;
    for (const hxwt::InpLink& link : read.model.links) {
        if (hxwt::findNode(read.model, link.from) < 0 || hxwt::findNode(read.model, link.to) < 0) {
            std::fprintf(stderr, "inp_reader: link %s names an unknown node\n", link.id.c_str());
            std::abort();
        }
    }
    return 0;
}
