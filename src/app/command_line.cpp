#include "app/command_line.h"

#include "app/json_dump.h"
#include "document/drawing.h"
#include "document/page_export.h"
#include "document/picture.h"
#include "geometry/units.h"
#include "library/poly_lib.h"
#include "printing/print_job.h"
#include "printing/printer_queries.h"
#include "shapes/error_reporter.h"

#include <QFileInfo>
#include <QPrinter>

namespace korvo {

namespace {

    constexpr double MaxExportScale = 8.0;

    void PrintLine(std::FILE* stream, const QString& line) { std::fprintf(stream, "%s\n", qPrintable(line)); }

    class TCollectingReporter : public TErrorReporter {
    public:
        void ReportError(const QString& message) override { Message = message; }
        QString Message;
    };

    // Shapes that fail to paint during an export do not stop it; the user hears of each one.
    class TWarningReporter : public TErrorReporter {
    public:
        explicit TWarningReporter(std::FILE* err)
            : FErr(err)
        {
        }
        void ReportError(const QString& message) override
        {
            QString line = message;
            PrintLine(FErr, QStringLiteral("warning: ") + line.replace(QLatin1Char('\r'), QLatin1String(": ")));
        }

    private:
        std::FILE* FErr;
    };

    QString Suffix(const QString& fileName) { return QFileInfo(fileName).suffix().toLower(); }

    bool IsLibraryFile(const QString& fileName) { return Suffix(fileName) == QLatin1String("kvl"); }

    int Usage(std::FILE* err, const QString& problem)
    {
        PrintLine(err, problem);
        PrintUsage(err);
        return ExitUsage;
    }

    // Loads a drawing, hands it on and turns file errors into the bad-file exit code.
    template <class F> int WithDrawing(const QString& fileName, std::FILE* err, F use)
    {
        try {
            TDrawing drawing;
            drawing.SetScale(BaseScale);
            drawing.LoadFile(fileName);
            use(drawing);
        } catch (const EFileError& e) {
            PrintLine(err, e.Message());
            return ExitBadFile;
        } catch (const EPrintError& e) {
            PrintLine(err, e.Message());
            return ExitBadFile;
        }
        return ExitSuccess;
    }

    // The same for a library, whose own operations report their errors.
    template <class F> int WithLibrary(const QString& fileName, std::FILE* err, F use)
    {
        TCollectingReporter reporter;
        TPolyLib library(reporter);
        if (library.LoadFile(fileName) && use(library))
            return ExitSuccess;
        PrintLine(err, reporter.Message);
        return ExitBadFile;
    }

    void Write(std::FILE* out, const QByteArray& bytes)
    {
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out);
    }

    int Dump(const QString& fileName, std::FILE* out, std::FILE* err)
    {
        if (IsLibraryFile(fileName)) {
            return WithLibrary(fileName, err, [out](const TPolyLib& library) {
                Write(out, DumpLibrary(library));
                return true;
            });
        }
        return WithDrawing(
            fileName, err, [out](const TDrawing& drawing) { Write(out, DumpDrawing(drawing.Shapes())); });
    }

    int Convert(const QString& source, const QString& target, std::FILE* err)
    {
        if (IsLibraryFile(source))
            return WithLibrary(source, err, [&target](TPolyLib& library) { return library.SaveFile(target); });
        return WithDrawing(source, err, [&target](TDrawing& drawing) { drawing.SaveFile(target); });
    }

    int Export(const QStringList& arguments, std::FILE* err)
    {
        double factor = 1.0;
        if (arguments.size() == 5) {
            bool ok = false;
            factor = arguments[4].toDouble(&ok);
            if (arguments[3] != QLatin1String("--scale") || !ok || !(factor > 0 && factor <= MaxExportScale))
                return Usage(err, QStringLiteral("--scale takes a factor above 0 and at most 8"));
        }
        const QString& source = arguments[1];
        const QString& target = arguments[2];
        const QString format = Suffix(target);
        if (IsLibraryFile(source))
            return Usage(err, QStringLiteral("--export takes a drawing, not a library"));
        // The page is written in every format a picture can be.
        if (!IsPictureFormat(format))
            return Usage(err, QStringLiteral("--export writes .png, .svg, .pdf or .emf files"));
        TWarningReporter warnings(err);
        return WithDrawing(source, err, [&](const TDrawing& drawing) {
            if (format == QLatin1String("png"))
                ExportPagePng(drawing.Shapes(), target, factor, &warnings);
            else if (format == QLatin1String("svg"))
                ExportPageSvg(drawing.Shapes(), target, &warnings);
            else
                ExportPagePicture(drawing.Shapes(), target, &warnings);
        });
    }

    struct TPrintOptions {
        QString Printer;
        std::optional<TPlacement> Placement;
        bool Selection = false;
    };

    std::optional<TPlacement> PlacementNamed(const QString& name)
    {
        if (name == QLatin1String("default"))
            return TPlacement::AsOnPage;
        if (name == QLatin1String("centre"))
            return TPlacement::Centred;
        if (name == QLatin1String("fit"))
            return TPlacement::Fitted;
        return std::nullopt;
    }

    // The options after --print IN; nothing when one is not understood.
    std::optional<TPrintOptions> ReadPrintOptions(const QStringList& arguments)
    {
        TPrintOptions options;
        for (qsizetype i = 2; i < arguments.size(); ++i) {
            const QString& option = arguments[i];
            const bool hasValue = i + 1 < arguments.size();
            if (option == QLatin1String("--selection")) {
                options.Selection = true;
            } else if (option == QLatin1String("--printer") && hasValue) {
                options.Printer = arguments[++i];
            } else if (option == QLatin1String("--layout") && hasValue) {
                options.Placement = PlacementNamed(arguments[++i]);
                if (!options.Placement)
                    return std::nullopt;
            } else {
                return std::nullopt;
            }
        }
        return options;
    }

    int Print(const QStringList& arguments, std::FILE* err)
    {
        const std::optional<TPrintOptions> options = ReadPrintOptions(arguments);
        if (!options)
            return Usage(
                err, QStringLiteral("--print takes --printer NAME, --layout default|centre|fit and --selection"));
        const QString& source = arguments[1];
        if (IsLibraryFile(source))
            return Usage(err, QStringLiteral("--print takes a drawing, not a library"));
        const std::unique_ptr<QPrinter> printer = OpenPrinter(options->Printer);
        if (!printer && !options->Printer.isEmpty()) {
            const QStringList names = PrinterNames();
            return Usage(err,
                QStringLiteral("there is no printer \"%1\"; the printers are: %2")
                    .arg(
                        options->Printer, names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "))));
        }
        if (!printer) {
            PrintLine(err, QStringLiteral("There is no printer to print on."));
            return ExitBadFile;
        }
        printer->setDocName(QFileInfo(source).fileName());
        return WithDrawing(source, err, [&](TDrawing& drawing) {
            // A file keeps no selection: --selection prints every shape as "Print selected" would.
            if (options->Selection)
                drawing.SelectAll();
            const TPlacement placement = options->Placement.value_or(StartingPlacement(printer.get(), false));
            PrintDrawing(*printer, drawing, { options->Selection, false, placement });
        });
    }

} // namespace

void PrintUsage(std::FILE* stream)
{
    std::fprintf(stream,
        "usage: korvo --dump FILE                      print a drawing (.kv) or library (.kvl) as JSON\n"
        "       korvo --convert IN OUT                 load IN and save it again as OUT\n"
        "       korvo --export IN OUT [--scale F]      render the page of drawing IN to OUT\n"
        "                                              (.png, .svg, .pdf or .emf)\n"
        "       korvo --print IN [--printer NAME] [--layout default|centre|fit] [--selection]\n"
        "                                              print drawing IN on one sheet\n");
}

std::optional<int> RunHeadless(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    if (arguments.isEmpty() || !arguments.first().startsWith(QLatin1String("--")))
        return std::nullopt;
    const QString& command = arguments.first();
    const auto size = arguments.size();
    if (command == QLatin1String("--help")) {
        PrintUsage(out);
        return ExitSuccess;
    }
    if (command == QLatin1String("--dump") && size == 2)
        return Dump(arguments[1], out, err);
    if (command == QLatin1String("--convert") && size == 3)
        return Convert(arguments[1], arguments[2], err);
    if (command == QLatin1String("--export") && (size == 3 || size == 5))
        return Export(arguments, err);
    if (command == QLatin1String("--print") && size >= 2)
        return Print(arguments, err);
    PrintUsage(err);
    return ExitUsage;
}

} // namespace korvo
