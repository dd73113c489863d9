# Writes the text file INPUT as a C++ header OUTPUT that defines the character array NAME.
# Include it with INPUT, OUTPUT and NAME set. The text is emitted as hexadecimal bytes, so any
# content is safe; the header is rewritten only when it changes.
file(READ ${INPUT} content HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
get_filename_component(source ${INPUT} NAME)
set(header "// Generated from ${source}; do not edit.\n#pragma once\n\ninline constexpr char ${NAME}[] = {${bytes}0x00};\n")
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "${header}" @ONLY)
