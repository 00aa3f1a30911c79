#include "tools/svg_candidates/convert_svg_file.h"

#include "document/drawing_file.h"
#include "geometry/units.h"
#include "shapes/file_io.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace korvo {

namespace {

    int Fail(const QString& fileName, const QString& reason)
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(fileName), qPrintable(reason));
        return 1;
    }

    TShapeList WithBounds(std::vector<TPolygon> shapes)
    {
        TShapeList list;
        for (TPolygon& shape : shapes) {
            if (shape.IsGroup()) {
                shape.CalcChildBounds(BaseScale);
                shape.CalcGroupBounds(BaseScale);
            } else {
                shape.CalcBounds(BaseScale);
            }
            shape.CalcGrips();
            list.push_back(std::make_shared<TPolygon>(std::move(shape)));
        }
        return list;
    }

} // namespace

int ConvertSvgFile(int argc, char* argv[], TSvgReader read)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN.svg OUT.kv\n", argv[0]);
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[1]);
    QFile file(in);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(in, file.errorString());
    TSvgImport picture = read(file.readAll());
    if (!picture.Error.isEmpty())
        return Fail(in, picture.Error);
    try {
        WriteDrawingFile(QString::fromLocal8Bit(argv[2]), WithBounds(std::move(picture.Shapes)));
    } catch (const EFileError& e) {
        return Fail(QString::fromLocal8Bit(argv[2]), QString::fromUtf8(e.what()));
    }
    return 0;
}

} // namespace korvo
