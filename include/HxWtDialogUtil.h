// Dialog control helpers of HxWtUtility, shared by the product's dialog
// boxes: widening a combo box's drop-down list to its longest entry,
// selecting and reading a combo box's entry by text, and checking a number
// typed into an edit field.
//
// They talk to the controls with the standard combo-box messages and show no
// message: an invalid number is corrected in place and reported only by the
// validators' 0 result. Null control pointers do nothing (the validators
// give 0).
#pragma once

#include "HxWtHost.h"

// Selects `font` into `dc` (dc keeps it after the call) and sets the
// drop-down width of `combo` to the widest entry measured in it plus the
// width of a vertical scroll bar. The width never shrinks below its value
// before the call; an empty list keeps it. A null font measures in the
// font dc has.
HXWTUTILITY_API void HxWtSetComboBoxAutoWidth(CClientDC& dc, CFont* font, CComboBox* combo);

// Selects the first entry whose text equals `text` (case-sensitive); the
// first entry when none does; nothing in an empty list.
HXWTUTILITY_API void HxWtSetComboBoxCurString(CComboBox* combo, const wchar_t* text);

// The text of the selected entry, or the empty text when none is selected.
HXWTUTILITY_API CString HxWtGetComboBoxCurString(CComboBox* combo);

// 1 when the number at the start of the field's text is not below minValue
// by more than g_fZero; else writes resetValue ("%g") into the field and
// gives 0. Text without a number counts as 0.
HXWTUTILITY_API int HxWtValidateEditValue(CEdit* edit, double minValue, double resetValue);

// 1 when the number at the start of the field's text is greater than
// g_fZero; else writes resetValue ("%g") into the field and gives 0.
HXWTUTILITY_API int HxWtValidateEditValue(CEdit* edit, double resetValue);
