// The framework's core header: Windows types, the string class and the
// export macros of extension libraries.
#pragma once

#include "windows.h"
#include "atlstr.h"

// Classes and functions that an extension library exports to its clients.
#define AFX_EXT_CLASS __attribute__((visibility("default")))
#define AFX_EXT_API __attribute__((visibility("default")))
#define AFX_EXT_DATA __attribute__((visibility("default")))
#define AFX_CLASS_EXPORT __attribute__((visibility("default")))
#define AFX_CLASS_IMPORT
#define AFX_API_EXPORT __attribute__((visibility("default")))
#define AFX_API_IMPORT

#ifndef ASSERT
#define ASSERT(f) ((void)0)
#endif
#ifndef VERIFY
#define VERIFY(f) ((void)(f))
#endif
#ifndef TRACE
#define TRACE(...) ((void)0)
#endif

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
