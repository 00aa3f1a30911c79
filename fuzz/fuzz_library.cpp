// The library file reader on arbitrary bytes: it must fail with EBadLib or EReadError, or succeed.

#include "library/library_file.h"
#include "shapes/byte_stream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        korvo::DecodeLibrary(QByteArrayView(data, static_cast<qsizetype>(size)));
    } catch (const korvo::EBadLib&) {
    } catch (const korvo::EReadError&) {
    }
    return 0;
}
