// The trap every exported function runs through, so that no C++ exception crosses the C
// interface: a MoxFailure becomes the document's last error, anything else (out of memory
// included) MOX_ERROR_INTERNAL, and the function returns its failure result. A null handle
// does nothing and returns the failure result.
#pragma once

#include "moxprint.h"
#include "moxprint/core/MoxDocument.h"
#include "moxprint/core/MoxFailure.h"

#include <type_traits>
#include <utility>

// For functions that only read or change state: the last error is left alone unless the body
// fails.
template <class Result, class Body>
Result MoxCall(HMOXDOC doc, Result onFailure, Body&& body) noexcept
{
    if (!doc)
        return onFailure;
    try {
        return std::forward<Body>(body)(*doc);
    } catch (const MoxFailure& failure) {
        doc->lastError = failure.Code();
    } catch (...) {
        doc->lastError = MOX_ERROR_INTERNAL;
    }
    return onFailure;
}

template <class Body>
void MoxCall(HMOXDOC doc, Body&& body) noexcept
{
    MoxCall(doc, 0, [&](MoxDocument& document) {
        std::forward<Body>(body)(document);
        return 0;
    });
}

// For functions that can fail: the last error is cleared first.
template <class Result, class Body>
Result MoxFallibleCall(HMOXDOC doc, Result onFailure, Body&& body) noexcept
{
    if (doc)
        doc->lastError = MOX_ERROR_NONE;
    return MoxCall(doc, onFailure, std::forward<Body>(body));
}

template <class Body>
void MoxFallibleCall(HMOXDOC doc, Body&& body) noexcept
{
    if (doc)
        doc->lastError = MOX_ERROR_NONE;
    MoxCall(doc, std::forward<Body>(body));
}
