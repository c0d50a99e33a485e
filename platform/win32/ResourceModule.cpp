#include "platform/win32/ResourceModule.h"

namespace win32 {

HINSTANCE resourceModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&resourceModule), &module);
    return module;
}

}  // namespace win32
