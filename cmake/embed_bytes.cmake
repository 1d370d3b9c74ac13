# Writes the bytes of file IN as the C++ function NAME() in file OUT, so a
# native program carries a resource that caelor.exe gets from its .rc.
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE ${OUT}
"// Generated from ${IN}; do not edit.\n"
"#include <cstdint>\n#include <vector>\n\n"
"const std::vector<uint8_t>& ${NAME}() {\n"
"    static const std::vector<uint8_t> bytes = {${bytes}};\n"
"    return bytes;\n}\n")
