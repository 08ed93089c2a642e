#pragma once

class CObject;

// Names a class and makes new objects of it, so a frame can create its view by class.
struct CRuntimeClass {
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();
    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

class CObject {
public:
    virtual ~CObject() = default;
};

#define DECLARE_DYNCREATE(name)                                                                    \
public:                                                                                            \
    static const CRuntimeClass class##name;                                                        \
    static CObject* CreateObject##name();

#define IMPLEMENT_DYNCREATE(name)                                                                  \
    CObject* name::CreateObject##name() {                                                          \
        return new name;                                                                           \
    }                                                                                              \
    const CRuntimeClass name::class##name { #name, &name::CreateObject##name };

#define RUNTIME_CLASS(name) (&name::class##name)
