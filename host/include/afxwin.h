// The framework's window-level header. Brings in the core header and the
// extension-library support; the window and control wrappers join it here.
#pragma once

#include "afx.h"
#include "afxdll_.h"
