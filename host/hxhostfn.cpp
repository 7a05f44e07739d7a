#include "host/hxhostfn.h"

#include "host/hxexports.h"

namespace hxfn {

#define HX_DEFINE_POINTER(result, name, params) name##_t name = nullptr;
HX_HOST_FUNCTIONS(HX_DEFINE_POINTER, HX_HOST_SKIP)
#undef HX_DEFINE_POINTER

} // namespace hxfn

// The host exports 140 functions; one of them is looked up twice.
#define HX_COUNT(result, name, params) +1
static_assert(0 HX_HOST_FUNCTIONS(HX_COUNT, HX_HOST_SKIP) == 140, "the host exports 140 functions");
#undef HX_COUNT

namespace {

// Stores the address of `name` in `slot`; false when the host does not export it.
template <typename Pointer> bool Bind(HMODULE host, const char* name, Pointer& slot) {
    slot = reinterpret_cast<Pointer>(reinterpret_cast<void*>(GetProcAddress(host, name)));
    return slot != nullptr;
}

// Looks the names up in the host's order and stops at the first one that is missing, so the
// pointers before it stay bound and the later ones stay null.
bool BindAll(HMODULE host) {
#define HX_BIND(result, name, params)                                                                        \
    if (!Bind(host, #name, hxfn::name)) return false;
#define HX_BIND_AGAIN(name) HX_BIND(, name, )
    HX_HOST_FUNCTIONS(HX_BIND, HX_BIND_AGAIN)
#undef HX_BIND_AGAIN
#undef HX_BIND
    return true;
}

} // namespace

// Binds the table from the host executable at `path`; 1 when every name was found, else 0.
BOOL __cdecl HXInit(const char* path) {
    HMODULE host = LoadLibraryA(path);
    if (!host) return FALSE;
    const bool bound = BindAll(host);
    // The host is the running process, so its addresses stay valid after this reference is dropped.
    FreeLibrary(host);
    return bound ? TRUE : FALSE;
}
