// The host function table: one pointer per host function, named like the function and null until
// HXInit binds it. The namespace keeps the pointers apart from the functions themselves when a host
// is linked into the same program.
#pragma once

#include "host/hxfuncs.h"

namespace hxfn {

#define HX_DECLARE_POINTER(result, name, params)                                                             \
    typedef result(__cdecl* name##_t) params;                                                                \
    extern name##_t name;
HX_HOST_FUNCTIONS(HX_DECLARE_POINTER, HX_HOST_SKIP)
#undef HX_DECLARE_POINTER

} // namespace hxfn
