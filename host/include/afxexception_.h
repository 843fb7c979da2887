// The base of the framework's exceptions, shared by the window-level and the
// automation headers.
#pragma once

#include "afx.h"

// Base of the framework's exceptions. Thrown as `new`ed pointers; whoever
// catches one ends it with Delete(). The ledger counts those not deleted.
class HX_HOST_API CException {
public:
    CException();
    virtual ~CException();
    CException(const CException&) = delete;
    CException& operator=(const CException&) = delete;
    // Deletes this exception (the catcher's duty).
    void Delete();
    // The message of the exception; false when it has none.
    virtual BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext = nullptr) const;
};
