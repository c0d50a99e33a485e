// Run-time class records by class name, each with a factory, in the manner of MFC's
// CRuntimeClass: a class that carries one can be created from its name, and an object
// can tell its class's name.
//
// A class declares its record with UI_DECLARE_DYNCREATE(Class) in its body and defines
// it with UI_IMPLEMENT_DYNCREATE(Class) in its source file; the record is registered
// when the program or library starts and withdrawn when it ends. The class needs a
// default constructor.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace ui {

class Dialog;

class RuntimeClass {
public:
    using Factory = std::unique_ptr<Dialog> (*)();

    // Registers the record under the name; a record of the same name already there
    // stays, and this one is not registered.
    RuntimeClass(std::string className, Factory factory);
    ~RuntimeClass();
    RuntimeClass(const RuntimeClass&) = delete;
    RuntimeClass& operator=(const RuntimeClass&) = delete;

    const std::string& className() const { return className_; }
    bool isRegistered() const { return registered_; }
    // A new object of the class, made by its default constructor.
    std::unique_ptr<Dialog> createObject() const;

    // The registered record of the name, or null.
    static const RuntimeClass* fromName(const std::string& className);
    static std::vector<std::string> registeredNames();

private:
    std::string className_;
    Factory factory_;
    bool registered_ = false;
};

}  // namespace ui

#define UI_DECLARE_DYNCREATE(Class)                 \
public:                                             \
    static const ::ui::RuntimeClass& classRecord(); \
    const ::ui::RuntimeClass* GetRuntimeClass() const override;

#define UI_IMPLEMENT_DYNCREATE(Class)                                                             \
    const ::ui::RuntimeClass& Class::classRecord() {                                              \
        static const ::ui::RuntimeClass record(                                                   \
            #Class, []() -> std::unique_ptr<::ui::Dialog> { return std::make_unique<Class>(); }); \
        return record;                                                                            \
    }                                                                                             \
    const ::ui::RuntimeClass* Class::GetRuntimeClass() const {                                    \
        return &classRecord();                                                                    \
    }                                                                                             \
    namespace {                                                                                   \
    [[maybe_unused]] const ::ui::RuntimeClass& registered##Class = Class::classRecord();          \
    }
