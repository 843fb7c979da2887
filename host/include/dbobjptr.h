// AcDbObjectPointer<T>: the host's smart object pointer. It opens an object by
// id (class filter T::desc()) and closes it when it goes, or when close() or
// another open is called; an object it holds that is not database-resident (made
// by create() or given by acquire()) is deleted instead of closed.
//
// The pointer owns its hold on the object (one open, or the new object itself);
// release() hands that hold to the caller. Not copyable.
#pragma once

#include "dbmain.h"

template <class T> class AcDbObjectPointer {
public:
    AcDbObjectPointer() = default;
    AcDbObjectPointer(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
        open(id, mode, openErased);
    }
    ~AcDbObjectPointer() { drop(); }
    AcDbObjectPointer(const AcDbObjectPointer&) = delete;
    AcDbObjectPointer& operator=(const AcDbObjectPointer&) = delete;

    // Lets go of what it holds, then opens id (statuses of acdbOpenObject).
    Acad::ErrorStatus open(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
        drop();
        m_status = acdbOpenObject(m_object, id, mode, openErased);
        return m_status;
    }
    // eOk while an object is held; the failed open's status otherwise
    // (eNullObjectPointer when nothing was opened yet or after close()).
    Acad::ErrorStatus openStatus() const { return m_status; }
    T* object() const { return m_object; }
    T* operator->() const { return m_object; }
    operator T*() const { return m_object; }

    // Closes (or deletes) the object held; eNullObjectPointer when none.
    Acad::ErrorStatus close() {
        if (m_object == nullptr)
            return Acad::eNullObjectPointer;
        drop();
        return Acad::eOk;
    }
    // Takes over obj (an open object or a new one) and nulls the caller's
    // pointer; eNullObjectPointer for null (nothing changes).
    Acad::ErrorStatus acquire(T*& obj) {
        if (obj == nullptr)
            return Acad::eNullObjectPointer;
        drop();
        m_object = obj;
        m_status = Acad::eOk;
        obj = nullptr;
        return Acad::eOk;
    }
    // Hands the object held to the caller without closing it;
    // eNullObjectPointer when none (obj untouched).
    Acad::ErrorStatus release(T*& obj) {
        if (m_object == nullptr)
            return Acad::eNullObjectPointer;
        obj = m_object;
        m_object = nullptr;
        m_status = Acad::eNullObjectPointer;
        return Acad::eOk;
    }
    // Lets go of what it holds and holds a new T instead.
    Acad::ErrorStatus create() {
        drop();
        m_object = new T();
        m_status = Acad::eOk;
        return Acad::eOk;
    }

private:
    void drop() {
        if (m_object != nullptr) {
            if (m_object->objectId().isNull())
                delete m_object;
            else
                m_object->close();
        }
        m_object = nullptr;
        m_status = Acad::eNullObjectPointer;
    }

    T* m_object = nullptr;
    Acad::ErrorStatus m_status = Acad::eNullObjectPointer;
};

typedef AcDbObjectPointer<AcDbEntity> AcDbEntityPointer;
