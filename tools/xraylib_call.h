#pragma once

#include <xraylib.h>

#include <stdexcept>
#include <string>

namespace tubeline::tools {

// Turns an xraylib error into an exception, so that no value of a failed call is ever written.
inline void ThrowIfFailed(xrl_error* error) {
    if (error != nullptr) {
        const std::string message = error->message;
        xrl_clear_error(&error);
        throw std::runtime_error("xraylib: " + message);
    }
}

// Calls an xraylib function that reports through a trailing xrl_error**.
template <class Function, class... Arguments>
double XraylibCall(Function function, Arguments... arguments) {
    xrl_error* error = nullptr;
    const double value = function(arguments..., &error);
    ThrowIfFailed(error);
    return value;
}

}  // namespace tubeline::tools
