// A graph's definition as a group's stored text, on arbitrary bytes: what reads must write back the same.

#include "shapes/plot_definition.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const std::optional<korvo::TPlotDefinition> definition = korvo::ReadPlotDefinition(text)) {
        if (korvo::WritePlotDefinition(*definition) != text)
            std::abort();
    }
    return 0;
}
