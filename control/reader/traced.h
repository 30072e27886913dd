#pragma once

#include "reader/error_chain.h"
#include "reader/reader_host.h"

#include <string_view>

namespace tiraq {

// Runs a private procedure of the control by its convention: an error leaving it restores the
// default mouse pointer, clears the drawing picture and goes on as the control's error with the
// procedure's trace line (" ->  Name.") appended.
template <typename Body>
auto Traced(ReaderHost& host, std::string_view trace, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        host.SetMousePointer(kPointerDefault);
        host.ClearDrawing();
        throw ChainedError(trace);
    }
}

}  // namespace tiraq
