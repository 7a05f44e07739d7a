// The boundary between the host and the plug-in's C++ code: no exception may cross into the host,
// so a call that throws is traced and answered with the value its caller takes as failure.
#pragma once

// Traces the exception being handled, naming where it was caught; call only inside a catch block.
void TraceCaught(const char* where);

template <class Result, class Body> Result CallGuarded(const char* where, Result failure, Body body) {
    try {
        return body();
    } catch (...) {
        TraceCaught(where);
        return failure;
    }
}
