cmake_minimum_required(VERSION 3.25)
# Writes OUTPUT, a C++ file defining the bytes of INPUT as
#   extern const unsigned char SYMBOL[]; extern const unsigned long SYMBOL_size;
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n"
       bytes "${bytes}")
file(WRITE ${OUTPUT}.tmp
     "// Generated from ${INPUT}; do not edit.\n"
     "extern const unsigned char ${SYMBOL}[];\n"
     "extern const unsigned long ${SYMBOL}_size;\n"
     "const unsigned char ${SYMBOL}[] = {\n${bytes}};\n"
     "const unsigned long ${SYMBOL}_size = ${size};\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
