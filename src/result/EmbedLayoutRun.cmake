# Writes IN as a byte array named SYMBOL into OUT (run by taxi_embed_layout at build time).
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(('[^']+',){32})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT}.tmp "// Generated from ${IN}; do not edit.\nextern const char ${SYMBOL}[];\nconst char ${SYMBOL}[] = {\n${bytes}0x00};\n")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
