#include "app/command_line.h"

#include "app/json_dump.h"
#include "dialogs/about_dialog.h"
#include "document/drawing.h"
#include "document/page_export.h"
#include "document/picture.h"
#include "geometry/units.h"
#include "library/poly_lib.h"
#include "printing/print_job.h"
#include "printing/printer_queries.h"
#include "shapes/error_reporter.h"
#include "shapes/file_io.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <limits>

namespace korvo {

namespace {

    // Below the least factor the page would be a few pixels wide.
    constexpr double MinExportScale = 0.01;
    // Larger than any file manager asks for, small enough to render in a moment.
    constexpr int MaxThumbnailSize = 4096;

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

    bool IsSvgFile(const QString& fileName)
    {
        return Suffix(fileName) == QLatin1String("svg") || Suffix(fileName) == QLatin1String("svgz");
    }

    int Usage(std::FILE* err, const QString& problem)
    {
        PrintLine(err, problem);
        PrintUsage(err);
        return ExitUsage;
    }

    // Fills a fresh drawing, hands it on and turns file errors into the bad-file exit code.
    template <class Fill, class F> int WithFilledDrawing(Fill fill, std::FILE* err, F use)
    {
        try {
            TDrawing drawing;
            drawing.SetScale(BaseScale);
            fill(drawing);
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

    template <class F> int WithDrawing(const QString& fileName, std::FILE* err, F use)
    {
        return WithFilledDrawing([&fileName](TDrawing& drawing) { drawing.LoadFile(fileName); }, err, use);
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

    // A full disk or a closed pipe is a failed command, not a shorter output.
    int WriteOutput(const QByteArray& bytes, std::FILE* out, std::FILE* err)
    {
        errno = 0;
        const auto size = static_cast<std::size_t>(bytes.size());
        if (std::fwrite(bytes.constData(), 1, size, out) == size && std::fflush(out) == 0)
            return ExitSuccess;
        PrintLine(
            err, QStringLiteral("Cannot write the output: %1.").arg(QString::fromLocal8Bit(std::strerror(errno))));
        return ExitBadFile;
    }

    int Help(const QStringList&, std::FILE* out, std::FILE*)
    {
        PrintUsage(out);
        return std::fflush(out) == 0 ? ExitSuccess : ExitBadFile;
    }

    int Dump(const QStringList& arguments, std::FILE* out, std::FILE* err)
    {
        const QString& fileName = arguments[1];
        QByteArray json;
        const int loaded = IsLibraryFile(fileName)
            ? WithLibrary(fileName, err,
                [&json](const TPolyLib& library) {
                    json = DumpLibrary(library);
                    return true;
                })
            : WithDrawing(fileName, err, [&json](const TDrawing& drawing) { json = DumpDrawing(drawing.Shapes()); });
        return loaded == ExitSuccess ? WriteOutput(json, out, err) : loaded;
    }

    // A picture of another program becomes a drawing of its shapes at the page's top-left corner. What
    // it could not take in is told, but is no failure.
    int ImportPicture(const QString& source, const QString& target, std::FILE* err)
    {
        QString note;
        const int result = WithFilledDrawing(
            [&](TDrawing& drawing) {
                note = drawing.ImportPicture(ReadFileBytes(source), QStringLiteral("\"%1\"").arg(source), { 0, 0 });
            },
            err, [&target](TDrawing& drawing) { drawing.SaveFile(target); });
        if (result == ExitSuccess && !note.isEmpty())
            PrintLine(err, note);
        return result;
    }

    int Convert(const QStringList& arguments, std::FILE*, std::FILE* err)
    {
        const QString& source = arguments[1];
        const QString& target = arguments[2];
        // Anything else would get drawing bytes under a picture's name.
        if (Suffix(target) != (IsLibraryFile(source) ? QLatin1String("kvl") : QLatin1String("kv")))
            return Usage(
                err, QStringLiteral("--convert saves a drawing as .kv and a library as .kvl; --export makes pictures"));
        if (IsLibraryFile(source))
            return WithLibrary(source, err, [&target](TPolyLib& library) { return library.SaveFile(target); });
        if (IsSvgFile(source))
            return ImportPicture(source, target, err);
        return WithDrawing(source, err, [&target](TDrawing& drawing) { drawing.SaveFile(target); });
    }

    struct TExportOptions {
        double Factor = 1.0;
        bool Crop = false;
    };

    // The options after --export IN OUT: --scale F and --crop, each at most once, in either order.
    std::optional<QString> ReadExportOptions(const QStringList& arguments, TExportOptions& options)
    {
        bool scaled = false;
        for (auto i = 3; i < arguments.size(); ++i) {
            if (arguments[i] == QLatin1String("--crop") && !options.Crop) {
                options.Crop = true;
                continue;
            }
            if (arguments[i] != QLatin1String("--scale") || scaled || i + 1 == arguments.size())
                return QStringLiteral("--export takes --scale F and --crop after IN OUT");
            bool ok = false;
            options.Factor = arguments[++i].toDouble(&ok);
            if (!ok)
                return QStringLiteral("--scale takes a number");
            if (!(options.Factor >= MinExportScale && options.Factor <= MaxExportFactor))
                return QStringLiteral("--scale %1 is out of range: the factor is from 0.01 to 8").arg(arguments[i]);
            scaled = true;
        }
        return std::nullopt;
    }

    int Export(const QStringList& arguments, std::FILE*, std::FILE* err)
    {
        TExportOptions options;
        if (const auto problem = ReadExportOptions(arguments, options))
            return Usage(err, *problem);
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
                ExportPagePng(drawing.Shapes(), target, options.Factor, options.Crop, &warnings);
            else if (format == QLatin1String("svg"))
                ExportPageSvg(drawing.Shapes(), target, &warnings);
            else
                ExportPagePicture(drawing.Shapes(), target, &warnings);
        });
    }

    int Version(const QStringList&, std::FILE* out, std::FILE*)
    {
        PrintLine(out, QStringLiteral("Korvo ") + ProgramVersion());
        return ExitSuccess;
    }

    // The picture a file manager shows for a drawing; only a drawing that reads whole makes one.
    int Thumbnail(const QStringList& arguments, std::FILE*, std::FILE* err)
    {
        bool ok = false;
        const int size = arguments[3].toInt(&ok);
        if (!ok || size < 1 || size > MaxThumbnailSize)
            return Usage(err, QStringLiteral("--thumbnail takes a size from 1 to %1 pixels").arg(MaxThumbnailSize));
        return WithDrawing(arguments[1], err,
            [&](const TDrawing& drawing) { ExportPageThumbnail(drawing.Shapes(), arguments[2], size); });
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

    int Print(const QStringList& arguments, std::FILE*, std::FILE* err)
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

    // Each command with the number of operands it takes after its name, options included.
    struct THeadlessCommand {
        const char* Name;
        qsizetype MinOperands;
        qsizetype MaxOperands;
        int (*Run)(const QStringList& arguments, std::FILE* out, std::FILE* err);
    };

    constexpr qsizetype AnyNumber = std::numeric_limits<qsizetype>::max();

    const THeadlessCommand Commands[] = {
        { "--help", 0, 0, Help },
        { "--dump", 1, 1, Dump },
        { "--convert", 2, 2, Convert },
        { "--export", 2, AnyNumber, Export },
        { "--print", 1, AnyNumber, Print },
        { "--thumbnail", 3, 3, Thumbnail },
        { "--version", 0, 0, Version },
    };

} // namespace

void PrintUsage(std::FILE* stream)
{
    std::fprintf(stream,
        "usage: korvo [FILE]                           open the editor, on drawing FILE if given\n"
        "       korvo --dump FILE                      print a drawing (.kv) or library (.kvl) as JSON\n"
        "       korvo --convert IN OUT                 load IN and save it again as OUT (.kv or .kvl);\n"
        "                                              an SVG picture IN (.svg, .svgz) becomes drawing OUT\n"
        "       korvo --export IN OUT [--scale F] [--crop]\n"
        "                                              render the page of drawing IN to OUT\n"
        "                                              (.png, .svg, .pdf or .emf); a .png\n"
        "                                              scaled by F (0.01 to 8), cropped to the shapes\n"
        "       korvo --print IN [--printer NAME] [--layout default|centre|fit] [--selection]\n"
        "                                              print drawing IN on one sheet\n"
        "       korvo --thumbnail IN OUT SIZE          write the shapes of drawing IN, cropped, as a\n"
        "                                              .png whose longer side is at most SIZE pixels\n"
        "       korvo --version                        print the version\n"
        "       korvo --help                           print this text\n"
        "Qt's own options (such as --platform NAME, --style NAME, --reverse) may come first.\n");
}

bool IsHeadlessCommand(const QStringList& arguments)
{
    // After the first, a piece of a file name with blanks may start with one dash, never with two.
    return (!arguments.isEmpty() && arguments.first().startsWith(QLatin1Char('-')))
        || std::any_of(arguments.begin(), arguments.end(),
            [](const QString& argument) { return argument.startsWith(QLatin1String("--")); });
}

int RunHeadless(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    const QString name = arguments.value(0);
    const qsizetype operands = arguments.size() - 1;
    for (const THeadlessCommand& command : Commands) {
        if (name == QLatin1String(command.Name) && operands >= command.MinOperands && operands <= command.MaxOperands)
            return command.Run(arguments, out, err);
    }
    const bool known = std::any_of(std::begin(Commands), std::end(Commands),
        [&name](const THeadlessCommand& command) { return name == QLatin1String(command.Name); });
    return Usage(err,
        known ? QStringLiteral("%1 takes other operands").arg(name) : QStringLiteral("unknown command %1").arg(name));
}

} // namespace korvo
