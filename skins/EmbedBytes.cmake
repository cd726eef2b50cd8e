# Writes a C++ source that holds the bytes of INPUT as the body of the
# function FUNCTION (namespace pp) returning std::span<const std::uint8_t>.
# Run with: cmake -DINPUT=... -DOUTPUT=... -DFUNCTION=... -DHEADER=... -P EmbedBytes.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
if(hexLength EQUAL 0)
  message(FATAL_ERROR "${INPUT} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# About twenty bytes a line keeps the file readable in a diff tool.
string(REGEX REPLACE "((0x..,){20})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp" "// Generated from the packed default skin at build time; do not edit.
#include \"${HEADER}\"

namespace pp {
namespace {

const std::uint8_t packageBytes[] = {
${bytes}
};

} // namespace

std::span<const std::uint8_t> ${FUNCTION}()
{
    return {packageBytes, sizeof(packageBytes)};
}

} // namespace pp
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
