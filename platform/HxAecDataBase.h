// The product's base module HxAecDataBase: part-library catalogues read from
// XML files (".dml").
#pragma once

#include "atlstr.h"

#ifndef HXAECDATABASE_API
#define HXAECDATABASE_API __declspec(dllimport)
#endif

// An item's attributes: name -> text.
class HXAECDATABASE_API HxDtLibItemBase {
public:
    virtual ~HxDtLibItemBase();
    // The attribute's text, empty when absent.
    CString GetAttributeValue(const wchar_t* name) const;
    void SetAttributeValue(const wchar_t* name, const wchar_t* value);

private:
    struct Impl;
    Impl* m_impl = nullptr;
};

// A catalogue item: its attributes and its drawing file.
class HXAECDATABASE_API HxDtLibItem : public HxDtLibItemBase {
public:
    // The item's drawing file, relative to its library's "SysLib\" folder.
    CString GetDataFile() const;
    void SetDataFile(const wchar_t* file);

private:
    CString m_dataFile;
};

// Item search within a catalogue.
class HXAECDATABASE_API HxDtLibDirectory {
public:
    virtual ~HxDtLibDirectory();
    // The item whose attribute equals the value, or null.
    HxDtLibItem* FindItem(const wchar_t* attribute, const wchar_t* value);

protected:
    struct Items;
    Items* m_items = nullptr;
};

// A catalogue file: its name and reading.
class HXAECDATABASE_API HxDtLib : public HxDtLibDirectory {
public:
    void SetFileName(const wchar_t* path);
    // True when the catalogue was read.
    bool ReadFromXML();

private:
    CString m_fileName;
};

// A drawing-part catalogue.
class HXAECDATABASE_API HxDtDwgLib : public HxDtLib {
public:
    HxDtDwgLib();
    ~HxDtDwgLib() override;
};
