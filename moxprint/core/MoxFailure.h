// The one exception type of the engine's inside: a failure carrying the last-error code the
// document records for it. It never crosses the C interface: the boundary trap (ApiGuard.h)
// turns it into the document's last error and the function's failure result.
#pragma once

#include "moxprint.h"

#include <exception>

class MoxFailure : public std::exception {
public:
    explicit MoxFailure(int code) : code_(code) {}
    int Code() const { return code_; }
    const char* what() const noexcept override { return "moxprint failure"; }

private:
    int code_;
};

[[noreturn]] inline void Fail(int code) { throw MoxFailure(code); }
