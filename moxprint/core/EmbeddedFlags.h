// Formatting keywords at the start of a text: "[B S 12 'Times New Roman' C Red]Title" sets the
// attributes and places "Title". "[[" stands for a literal "[" and carries no flags; "N" (or
// "NoHold") as the first keyword makes the flags apply to the one call only.
#pragma once

#include "moxprint/core/MoxAttributes.h"

#include <cstdint>
#include <string_view>

struct EmbeddedFlags {
    size_t textStart = 0; // where the text to place begins
    bool oneCall = false; // restore the attributes after the call
};

// Reads the flags block of `text` (if any) and applies its keywords to `attributes`.
EmbeddedFlags ApplyEmbeddedFlags(std::string_view text, MoxAttributes& attributes);

// The colour of a name of the flags ("Red", "LtBlue", ...; any case); black for other names.
uint32_t ColourByName(std::string_view name);
