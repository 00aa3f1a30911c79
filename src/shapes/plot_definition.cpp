#include "shapes/plot_definition.h"

#include "shapes/graph_paper_painter.h"
#include "shapes/plot_group_paper.h"

#include <QList>

#include <array>
#include <cmath>
#include <limits>

namespace korvo {

namespace {

    const QByteArray Marker = QByteArrayLiteral("plot/1;");

    // Printable ASCII stays readable in a dump; '%' and the field separators are escaped.
    const QByteArray& KeptAsIs()
    {
        static const QByteArray kept = [] {
            QByteArray bytes;
            for (char c = ' '; c <= '~'; ++c) {
                if (c != '%' && c != ';' && c != '=')
                    bytes.append(c);
            }
            return bytes;
        }();
        return kept;
    }

    template <class E> struct TNamed {
        E Value;
        const char* Name;
    };

    constexpr std::array<TNamed<TPlotMarker>, 6> MarkerNames
        = { { { TPlotMarker::None, "none" }, { TPlotMarker::Cross, "cross" }, { TPlotMarker::Plus, "plus" },
            { TPlotMarker::Circle, "circle" }, { TPlotMarker::Disc, "disc" }, { TPlotMarker::Square, "square" } } };
    constexpr std::array<TNamed<TPlotLine>, 4> LineNames = { { { TPlotLine::None, "none" },
        { TPlotLine::Straight, "straight" }, { TPlotLine::Smooth, "smooth" }, { TPlotLine::BestFit, "fit" } } };
    constexpr std::array<TNamed<TAngleUnit>, 2> AngleNames
        = { { { TAngleUnit::Radians, "rad" }, { TAngleUnit::Degrees, "deg" } } };

    // Every value written the one way it is read, so a reader can insist on exactly that spelling.
    QByteArray NumberText(double v) { return QByteArray::number(v, 'g', 17); }
    QByteArray IntegerText(qint64 v) { return QByteArray::number(v); }
    QByteArray FlagText(bool on) { return on ? "1" : "0"; }
    QByteArray ColourText(TColour c) { return QByteArray::number(c, 16).rightJustified(8, '0'); }
    QByteArray TextText(const QString& text) { return text.toUtf8().toPercentEncoding(KeptAsIs()); }
    template <class E, std::size_t N> QByteArray NameText(const std::array<TNamed<E>, N>& names, E value)
    {
        for (const TNamed<E>& n : names) {
            if (n.Value == value)
                return n.Name;
        }
        return {};
    }

    class TFieldWriter {
    public:
        void Add(const char* key, const QByteArray& value) { FText += ';' + QByteArray(key) + '=' + value; }
        QByteArray Text() const { return Marker + FText.mid(1); }

    private:
        QByteArray FText;
    };

    void WriteAxes(TFieldWriter& out, const TPlotAxes& axes)
    {
        out.Add("xmin", NumberText(axes.XMin));
        out.Add("xmax", NumberText(axes.XMax));
        out.Add("ymin", NumberText(axes.YMin));
        out.Add("ymax", NumberText(axes.YMax));
        out.Add("xsquare", NumberText(axes.XPerSquare));
        out.Add("ysquare", NumberText(axes.YPerSquare));
        out.Add("numbers", IntegerText(axes.NumbersEvery));
        out.Add("black", FlagText(axes.BlackNumbers));
        out.Add("xtitle", TextText(axes.XTitle));
        out.Add("ytitle", TextText(axes.YTitle));
        out.Add("arrows", FlagText(axes.Arrows));
    }

    void WriteCurve(TFieldWriter& out, const TPlotCurve& curve)
    {
        out.Add("function", FlagText(curve.IsFunction));
        out.Add("expression", TextText(curve.Expression));
        out.Add("angles", NameText(AngleNames, curve.Angles));
        out.Add("table", TextText(curve.Table));
        out.Add("marker", NameText(MarkerNames, curve.Marker));
        out.Add("line", NameText(LineNames, curve.Line));
        out.Add("fitlabel", FlagText(curve.ShowFitOnGraph));
        out.Add("colour", ColourText(curve.Colour));
        out.Add("pen", IntegerText(curve.PenStyle));
    }

    // Reads the fields in the order the writer puts them. Each value must be spelt exactly as the
    // writer spells what it reads as, so a damaged text is refused rather than half taken.
    class TFieldReader {
    public:
        explicit TFieldReader(const QByteArray& fields)
            : FFields(fields.split(';'))
        {
        }

        bool AtEnd() const { return FNext == FFields.size(); }

        bool Number(const char* key, double& v)
        {
            const QByteArray* text = Value(key);
            bool ok = false;
            const double read = text ? text->toDouble(&ok) : 0.0;
            return ok && std::isfinite(read) && NumberText(read) == *text && Set(v, read);
        }

        bool Integer(const char* key, qint64 low, qint64 high, qint64& v)
        {
            const QByteArray* text = Value(key);
            bool ok = false;
            const qint64 read = text ? text->toLongLong(&ok) : 0;
            return ok && read >= low && read <= high && IntegerText(read) == *text && Set(v, read);
        }

        bool Flag(const char* key, bool& on)
        {
            qint64 v = 0;
            return Integer(key, 0, 1, v) && Set(on, v == 1);
        }

        bool Colour(const char* key, TColour& colour)
        {
            const QByteArray* text = Value(key);
            bool ok = false;
            const uint read = text ? text->toUInt(&ok, 16) : 0;
            return ok && ColourText(read) == *text && Set(colour, read);
        }

        bool Text(const char* key, int maxLength, QString& v)
        {
            const QByteArray* text = Value(key);
            if (!text)
                return false;
            const QString read = QString::fromUtf8(QByteArray::fromPercentEncoding(*text));
            return read.size() <= maxLength && TextText(read) == *text && Set(v, read);
        }

        template <class E, std::size_t N> bool Name(const char* key, const std::array<TNamed<E>, N>& names, E& v)
        {
            const QByteArray* text = Value(key);
            for (const TNamed<E>& n : names) {
                if (text && *text == n.Name)
                    return Set(v, n.Value);
            }
            return false;
        }

    private:
        template <class T, class U> static bool Set(T& field, U value)
        {
            field = static_cast<T>(value);
            return true;
        }

        // The next field's value when it has the key; nothing otherwise.
        const QByteArray* Value(const char* key)
        {
            if (AtEnd())
                return nullptr;
            const QByteArray& field = FFields[FNext];
            const QByteArray prefix = QByteArray(key) + '=';
            if (!field.startsWith(prefix))
                return nullptr;
            FValue = field.mid(prefix.size());
            ++FNext;
            return &FValue;
        }

        const QList<QByteArray> FFields;
        qsizetype FNext = 0;
        QByteArray FValue;
    };

    bool ReadAxes(TFieldReader& in, TPlotAxes& axes)
    {
        qint64 every = 0;
        if (!(in.Number("xmin", axes.XMin) && in.Number("xmax", axes.XMax) && in.Number("ymin", axes.YMin)
                && in.Number("ymax", axes.YMax) && in.Number("xsquare", axes.XPerSquare)
                && in.Number("ysquare", axes.YPerSquare) && in.Integer("numbers", 0, MaxPlotNumbersEvery, every)
                && in.Flag("black", axes.BlackNumbers) && in.Text("xtitle", MaxPlotTextLength, axes.XTitle)
                && in.Text("ytitle", MaxPlotTextLength, axes.YTitle) && in.Flag("arrows", axes.Arrows)))
            return false;
        axes.NumbersEvery = static_cast<int>(every);
        return true;
    }

    bool ReadCurve(TFieldReader& in, TPlotCurve& curve)
    {
        qint64 pen = 0;
        if (!(in.Flag("function", curve.IsFunction) && in.Text("expression", MaxPlotTextLength, curve.Expression)
                && in.Name("angles", AngleNames, curve.Angles) && in.Text("table", MaxPlotTableLength, curve.Table)
                && in.Name("marker", MarkerNames, curve.Marker) && in.Name("line", LineNames, curve.Line)
                && in.Flag("fitlabel", curve.ShowFitOnGraph) && in.Colour("colour", curve.Colour)
                && in.Integer("pen", 0, std::numeric_limits<std::uint8_t>::max(), pen)))
            return false;
        curve.PenStyle = static_cast<std::uint8_t>(pen);
        return true;
    }

} // namespace

QByteArray WritePlotDefinition(const TPlotDefinition& definition)
{
    TFieldWriter out;
    WriteAxes(out, definition.Axes);
    out.Add("curves", IntegerText(static_cast<qint64>(definition.Curves.size())));
    for (const TPlotCurve& curve : definition.Curves)
        WriteCurve(out, curve);
    return out.Text();
}

std::optional<TPlotDefinition> ReadPlotDefinition(const QByteArray& text)
{
    if (!text.startsWith(Marker))
        return std::nullopt;
    TFieldReader in(text.mid(Marker.size()));
    TPlotDefinition definition;
    qint64 curves = 0;
    if (!ReadAxes(in, definition.Axes) || !in.Integer("curves", 0, MaxPlotCurves, curves))
        return std::nullopt;
    definition.Curves.resize(static_cast<std::size_t>(curves));
    for (TPlotCurve& curve : definition.Curves) {
        if (!ReadCurve(in, curve))
            return std::nullopt;
    }
    if (!in.AtEnd())
        return std::nullopt;
    return definition;
}

TPlotDefinition DefaultPlot(const TPolygon& paper)
{
    TPlotDefinition definition;
    const std::optional<TPaperGrid> grid = TPaperGrid::Of(paper);
    definition.Axes.XMax = grid ? grid->SquaresAcross : 1;
    definition.Axes.YMax = grid ? grid->SquaresUp : 1;
    const int major = GraphPaperMajorStep(paper);
    definition.Axes.NumbersEvery = major != 0 ? major : 5;
    definition.Curves.emplace_back();
    return definition;
}

} // namespace korvo
