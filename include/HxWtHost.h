// What the module's exported headers need of the host and its framework:
// the framework's strings and extension-module support, and the host's
// database, editor and runtime interfaces.
#pragma once

#include "afxwin.h"
#include "arxHeaders.h"

#ifndef HXWTUTILITY_API
#ifdef HXWTUTILITY_EXPORTS
#define HXWTUTILITY_API __declspec(dllexport)
#else
#define HXWTUTILITY_API __declspec(dllimport)
#endif
#endif
