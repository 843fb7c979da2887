// The host's process-wide objects: the application services and the document
// manager. Both are made on first use and live as long as the process (never
// deleted, so no teardown order can bite); like the host, the session starts
// with one drawing open, current and working.
#include "acdocman.h"
#include "dbapserv.h"
#include "hxhost/Drawing.h"

namespace {

struct Host {
    AcDbHostApplicationServices services;
    AcApDocManager documents;
};

Host& host() {
    static Host* s_host = new Host;
    static bool s_started = false;
    if (!s_started) {
        // Set first: opening the drawing comes back here for the services.
        s_started = true;
        hxhost::newDrawing();
    }
    return *s_host;
}

} // namespace

AcDbHostApplicationServices* acdbHostApplicationServices() {
    return &host().services;
}

AcApDocManager* acDocManagerPtr() {
    return &host().documents;
}
