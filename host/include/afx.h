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
