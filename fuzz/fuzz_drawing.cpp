// The drawing file reader on arbitrary bytes: it must fail with EReadError or succeed, never crash.

#include "document/drawing_file.h"
#include "shapes/byte_stream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        korvo::DecodeDrawing(QByteArrayView(data, static_cast<qsizetype>(size)), 4.0f);
    } catch (const korvo::EReadError&) {
    }
    return 0;
}
