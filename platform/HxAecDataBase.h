// The product's base module HxAecDataBase: part-library catalogues read from
// XML files (".dml").
#pragma once

#include "atlstr.h"

#ifndef HXAECDATABASE_API
#define HXAECDATABASE_API __declspec(dllimport)
#endif

// An item's attributes: name -> text, names compared exactly. Owns its
// attribute store; not copied.
class HXAECDATABASE_API HxDtLibItemBase {
public:
    HxDtLibItemBase() = default;
    HxDtLibItemBase(const HxDtLibItemBase&) = delete;
    HxDtLibItemBase& operator=(const HxDtLibItemBase&) = delete;
    virtual ~HxDtLibItemBase();
    // The attribute's text, empty when absent.
    CString GetAttributeValue(const wchar_t* name) const;
    // Sets the attribute (added after the others when new).
    void SetAttributeValue(const wchar_t* name, const wchar_t* value);
    bool HasAttribute(const wchar_t* name) const;

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

// Item search within a catalogue. Owns its items (in document order, the
// items of nested directories included); pointers handed out live as long as
// the catalogue and until it is read again. Not copied.
class HXAECDATABASE_API HxDtLibDirectory {
public:
    HxDtLibDirectory() = default;
    HxDtLibDirectory(const HxDtLibDirectory&) = delete;
    HxDtLibDirectory& operator=(const HxDtLibDirectory&) = delete;
    virtual ~HxDtLibDirectory();
    // The first item, in document order, that has the attribute with exactly
    // that text (case-sensitive), or null (also for null arguments).
    HxDtLibItem* FindItem(const wchar_t* attribute, const wchar_t* value);

protected:
    struct Items;
    Items* m_items = nullptr;
};

// A catalogue file: its name and reading.
class HXAECDATABASE_API HxDtLib : public HxDtLibDirectory {
public:
    // The file, as a host path (backslashes, any case).
    void SetFileName(const wchar_t* path);
    // Reads the file's items in place of those held. True when the catalogue
    // was read; false, holding no items, when the file is missing, empty,
    // truncated, malformed or in an encoding not read here.
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
