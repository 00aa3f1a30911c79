// The SVG picture reader on arbitrary bytes (plain or gzip-compressed), then the note on what it
// left out. Text shapes measure their fonts, so an offscreen application is made first.

#include "import/svg_import.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const korvo::TSvgImport read
        = korvo::ReadSvg(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    korvo::LeftOutNote(read.LeftOut);
    return 0;
}
