#pragma once
// The root of the framework's classes: run-time class information (the class's name, its base,
// and for some classes a factory), so code can ask an object what it is and make objects of a
// class it knows only by its run-time record.

#include <memory>

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    // Null for classes without dynamic creation.
    std::unique_ptr<CObject> (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    // A new object of the class; null when the class has no factory.
    std::unique_ptr<CObject> CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class CObject {
public:
    virtual ~CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* pClass) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                       \
public:                                                   \
    static const CRuntimeClass class##class_name;         \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static std::unique_ptr<CObject> CreateObject();

#define QX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)                     \
    const CRuntimeClass class_name::class##class_name = {                                  \
        #class_name, static_cast<int>(sizeof(class_name)), pfnNew, RUNTIME_CLASS(base_class_name)}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    QX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                          \
    std::unique_ptr<CObject> class_name::CreateObject() { return std::make_unique<class_name>(); } \
    QX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, &class_name::CreateObject)
