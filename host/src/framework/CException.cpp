// CException: the base of the framework's exceptions, thrown as heap pointers
// and ended by Delete(); the ledger counts those not yet deleted.
#include "afx.h"

#include "hxhost/HostControl.h"

CException::CException() {
    hxhost::acquired(hxhost::Resource::Exception);
}
CException::~CException() {
    hxhost::released(hxhost::Resource::Exception);
}
void CException::Delete() {
    delete this;
}

BOOL CException::GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT*) const {
    if (buffer && maxChars > 0)
        buffer[0] = L'\0';
    return FALSE;
}
