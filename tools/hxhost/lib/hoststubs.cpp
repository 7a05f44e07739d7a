// Stubs for the host functions the plug-in never calls: they are exported so that binding succeeds,
// note the call, and answer zero. The served ones are checked against the list's signatures.
#include <type_traits>

#include "tools/hxhost/lib/hostexport.h"

#define HXHOST_STUB(result, name, params)                                                                    \
    HXHOST_EXPORT result __cdecl name() {                                                                    \
        hxhost::NoteCall(#name);                                                                             \
        return result();                                                                                     \
    }
#define HXHOST_CHECK(result, name, params)                                                                   \
    extern "C" result __cdecl name params;                                                                   \
    static_assert(std::is_same_v<decltype(&::name), result(__cdecl*) params>, #name);
#define HXHOST_EACH(result, name, params) HXHOST_CHOOSE(name, HXHOST_CHECK, HXHOST_STUB)(result, name, params)

HX_HOST_FUNCTIONS(HXHOST_EACH, HX_HOST_SKIP)
