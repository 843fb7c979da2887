// Runtime class identity of host objects: AcRxObject and its class descriptor.
//
// Every class of the host and of the product's modules has one AcRxClass,
// made the first time its desc() is called and kept for the process. isA()
// gives the exact class; isKindOf() and AcRxClass::isDerivedFrom() follow the
// parent chain.
#pragma once

#include "adesk.h"

class AcRxClass;

class AcRxObject {
public:
    virtual ~AcRxObject() = default;
    static AcRxClass* desc();
    static AcRxObject* cast(const AcRxObject* p) { return const_cast<AcRxObject*>(p); }
    virtual AcRxClass* isA() const;
    bool isKindOf(const AcRxClass* cls) const;
    template <class T> T* castTo() const { return T::cast(this); }
};

typedef AcRxObject* (*AcRxCreateFn)();

class AcRxClass : public AcRxObject {
public:
    // Makes a class and enters it into the process-wide class dictionary under
    // its name (and its DXF name when given).
    AcRxClass(const ACHAR* name, AcRxClass* parent, AcRxCreateFn create = nullptr,
              const ACHAR* dxfName = nullptr, const ACHAR* appName = nullptr);
    AcRxClass(const AcRxClass&) = delete;
    AcRxClass& operator=(const AcRxClass&) = delete;

    static AcRxClass* desc();
    AcRxClass* isA() const override;

    const ACHAR* name() const { return m_name; }
    const ACHAR* dxfName() const { return m_dxfName; }
    const ACHAR* appName() const { return m_appName; }
    AcRxClass* myParent() const { return m_parent; }
    // True when this class is cls or derives from it.
    bool isDerivedFrom(const AcRxClass* cls) const;
    // A new default-constructed object of the class, or null for abstract ones.
    AcRxObject* create() const { return m_create ? m_create() : nullptr; }

    // The class registered under name (its C++ name or DXF name), or null.
    static AcRxClass* find(const ACHAR* name);

private:
    const ACHAR* m_name;
    const ACHAR* m_dxfName;
    const ACHAR* m_appName;
    AcRxClass* m_parent;
    AcRxCreateFn m_create;
};

inline bool AcRxObject::isKindOf(const AcRxClass* cls) const {
    return isA()->isDerivedFrom(cls);
}

#define ACRX_DECLARE_MEMBERS(CLASS)                                                                \
    AcRxClass* isA() const override;                                                               \
    static AcRxClass* desc();                                                                      \
    static CLASS* cast(const AcRxObject* inPtr) {                                                  \
        return (inPtr == nullptr || !inPtr->isKindOf(CLASS::desc())) ? nullptr                     \
                                                                     : (CLASS*)inPtr;              \
    }                                                                                              \
    static void rxInit()

#define HX_RX_DEFINE(CLASS, PARENT, CREATE, DXFNAME, APPNAME)                                      \
    AcRxClass* CLASS::desc() {                                                                     \
        static AcRxClass* s_class =                                                                \
            new AcRxClass(ACRX_T(#CLASS), PARENT::desc(), CREATE, DXFNAME, APPNAME);               \
        return s_class;                                                                            \
    }                                                                                              \
    AcRxClass* CLASS::isA() const { return CLASS::desc(); }                                        \
    void CLASS::rxInit() { (void)CLASS::desc(); }

#define ACRX_NO_CONS_DEFINE_MEMBERS(CLASS, PARENT) HX_RX_DEFINE(CLASS, PARENT, nullptr, nullptr, nullptr)
#define ACRX_CONS_DEFINE_MEMBERS(CLASS, PARENT, VERNO)                                             \
    HX_RX_DEFINE(CLASS, PARENT, []() -> AcRxObject* { return new CLASS(); }, nullptr, nullptr)
#define ACRX_DXF_DEFINE_MEMBERS(CLASS, PARENT, DWG_VERSION, MAINT_VERSION, PROXY_FLAGS, DXF_NAME, APP) \
    HX_RX_DEFINE(CLASS, PARENT, []() -> AcRxObject* { return new CLASS(); }, ACRX_T(#DXF_NAME),     \
                 ACRX_T(#APP))
