// A host that exports functions of the host's names and does nothing; which names a build exports
// is chosen by its .def file.
#include "host/hxfuncs.h"

#define HX_FAKE_FUNCTION(result, name, params)                                                               \
    extern "C" result __cdecl name params {                                                                  \
        return result();                                                                                     \
    }
HX_HOST_FUNCTIONS(HX_FAKE_FUNCTION, HX_HOST_SKIP)
