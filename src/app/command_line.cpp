#include "app/command_line.h"

#include "app/json_dump.h"
#include "document/drawing.h"
#include "geometry/units.h"
#include "library/poly_lib.h"
#include "shapes/error_reporter.h"

#include <QFileInfo>

namespace korvo {

namespace {

    class TCollectingReporter : public TErrorReporter {
    public:
        void ReportError(const QString& message) override { Message = message; }
        QString Message;
    };

    bool IsLibraryFile(const QString& fileName)
    {
        return QFileInfo(fileName).suffix().compare(QLatin1String("kvl"), Qt::CaseInsensitive) == 0;
    }

    void PrintLine(std::FILE* stream, const QString& line) { std::fprintf(stream, "%s\n", qPrintable(line)); }

    // Loads a drawing or a library by the file's extension, then hands the result on: the dump prints
    // it, the conversion saves it with the editor's own save code.
    class TFileCommand {
    public:
        virtual ~TFileCommand() = default;
        virtual void UseDrawing(const TDrawing& drawing) = 0;
        virtual bool UseLibrary(TPolyLib& library) = 0;
    };

    int RunOnFile(const QString& fileName, TFileCommand& command, std::FILE* err)
    {
        if (IsLibraryFile(fileName)) {
            TCollectingReporter reporter;
            TPolyLib library(reporter);
            if (!library.LoadFile(fileName) || !command.UseLibrary(library)) {
                PrintLine(err, reporter.Message);
                return ExitBadFile;
            }
            return ExitSuccess;
        }
        try {
            TDrawing drawing;
            drawing.SetScale(BaseScale);
            drawing.LoadFile(fileName);
            command.UseDrawing(drawing);
        } catch (const EFileError& e) {
            PrintLine(err, e.Message());
            return ExitBadFile;
        }
        return ExitSuccess;
    }

    class TDump : public TFileCommand {
    public:
        explicit TDump(std::FILE* out)
            : FOut(out)
        {
        }
        void UseDrawing(const TDrawing& drawing) override { Write(DumpDrawing(drawing.Shapes())); }
        bool UseLibrary(TPolyLib& library) override
        {
            Write(DumpLibrary(library));
            return true;
        }

    private:
        void Write(const QByteArray& json) { std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), FOut); }
        std::FILE* FOut;
    };

    class TConvert : public TFileCommand {
    public:
        explicit TConvert(QString target)
            : FTarget(std::move(target))
        {
        }
        void UseDrawing(const TDrawing& drawing) override { drawing.SaveFile(FTarget); }
        bool UseLibrary(TPolyLib& library) override { return library.SaveFile(FTarget); }

    private:
        QString FTarget;
    };

} // namespace

void PrintUsage(std::FILE* stream)
{
    std::fprintf(stream,
        "usage: korvo --dump FILE        print a drawing (.kv) or library (.kvl) as JSON\n"
        "       korvo --convert IN OUT   load IN and save it again as OUT\n");
}

std::optional<int> RunHeadless(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    if (arguments.isEmpty() || !arguments.first().startsWith(QLatin1String("--")))
        return std::nullopt;
    const QString& command = arguments.first();
    if (command == QLatin1String("--help")) {
        PrintUsage(out);
        return ExitSuccess;
    }
    if (command == QLatin1String("--dump") && arguments.size() == 2) {
        TDump dump(out);
        return RunOnFile(arguments[1], dump, err);
    }
    if (command == QLatin1String("--convert") && arguments.size() == 3) {
        TConvert convert(arguments[2]);
        return RunOnFile(arguments[1], convert, err);
    }
    PrintUsage(err);
    return ExitUsage;
}

} // namespace korvo
