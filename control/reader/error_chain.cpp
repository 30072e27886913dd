#include "reader/error_chain.h"

#include <exception>
#include <new>

namespace tiraq {

std::string CurrentErrorDescription() {
    try {
        throw;
    } catch (const vb::RuntimeError& e) {
        return e.Description();
    } catch (const std::bad_alloc&) {
        return "Out of memory";
    } catch (const std::length_error&) {
        return "Out of memory";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

vb::RuntimeError ChainedError(std::string_view trace) {
    std::string description = CurrentErrorDescription();
    description += "\r\n";
    description += trace;
    return vb::RuntimeError(kErrTiraq, description);
}

void RaiseTiraqError(std::string description) { throw vb::RuntimeError(kErrTiraq, description); }

}  // namespace tiraq
