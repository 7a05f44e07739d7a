#include "base/callguard.h"

#include <exception>

#include "base/trace.h"

void TraceCaught(const char* where) {
    try {
        throw;
    } catch (const std::exception& e) {
        Trace("%s: exception caught (%s)", where, e.what());
    } catch (...) {
        Trace("%s: exception caught (not a std::exception)", where);
    }
}
