// The figures Korvo is held to, each beside the baseline it is compared with in the same run.

#include "bench/bench_drawings.h"
#include "document/drawing.h"
#include "document/recovery_store.h"
#include "document/zoom.h"
#include "geometry/rounding.h"
#include "geometry/units.h"
#include "library/poly_lib.h"
#include "library/ui/lib_panel.h"
#include "shapes/error_reporter.h"
#include "shapes/file_io.h"
#include "shapes/paint_tools.h"
#include "shapes/plot_expression.h"
#include "shapes/plot_sampling.h"
#include "shapes/plot_table.h"
#include "shapes/shape_painter.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

using namespace korvo;

namespace {

constexpr int PageWidth = 840;
constexpr int PageHeight = 1120;

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

// The synthetic drawing of `count` shapes as a file, made once per run.
QString DrawingFile(int count)
{
    const QString name = Folder().filePath(QStringLiteral("drawing-%1.kv").arg(count));
    if (!QFile::exists(name))
        WriteFileBytes(name, EncodeDrawing(bench::SyntheticDrawing(count)));
    return name;
}

TDrawing& LoadedDrawing(int count)
{
    static std::map<int, std::unique_ptr<TDrawing>> drawings;
    auto& drawing = drawings[count];
    if (!drawing) {
        drawing = std::make_unique<TDrawing>();
        drawing->SetScale(BaseScale);
        drawing->SetViewSize(PageWidth, PageHeight);
        drawing->SetShowGrid(false);
        drawing->LoadFile(DrawingFile(count));
    }
    return *drawing;
}

void ReadFileIntoMemory(benchmark::State& state)
{
    const QString name = DrawingFile(static_cast<int>(state.range(0)));
    qint64 bytes = 0;
    for (auto _ : state)
        bytes += ReadFileBytes(name).size();
    state.SetBytesProcessed(bytes);
}
BENCHMARK(ReadFileIntoMemory)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void LoadDrawing(benchmark::State& state)
{
    const QString name = DrawingFile(static_cast<int>(state.range(0)));
    const qint64 size = QFile(name).size();
    for (auto _ : state) {
        auto drawing = std::make_unique<TDrawing>();
        drawing->SetScale(BaseScale);
        drawing->LoadFile(name);
        // Freeing the loaded shapes is not part of loading them.
        state.PauseTiming();
        drawing.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(size * static_cast<qint64>(state.iterations()));
}
BENCHMARK(LoadDrawing)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void WriteSameBytes(benchmark::State& state)
{
    const QByteArray bytes = EncodeDrawing(LoadedDrawing(static_cast<int>(state.range(0))).Shapes());
    const QString name = Folder().filePath(QStringLiteral("plain.bin"));
    for (auto _ : state) {
        QFile file(name);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    state.SetBytesProcessed(bytes.size() * static_cast<qint64>(state.iterations()));
}
BENCHMARK(WriteSameBytes)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// What a save cannot do without: the same bytes written to a temporary file, synced to the disk and
// renamed over the file, with nothing but system calls.
void WriteSyncRename(benchmark::State& state)
{
    const QByteArray bytes = EncodeDrawing(LoadedDrawing(static_cast<int>(state.range(0))).Shapes());
    const QByteArray temporary = QFile::encodeName(Folder().filePath(QStringLiteral("synced.tmp")));
    const QByteArray name = QFile::encodeName(Folder().filePath(QStringLiteral("synced.kv")));
    for (auto _ : state) {
        const int file = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (file < 0 || ::write(file, bytes.constData(), static_cast<std::size_t>(bytes.size())) != bytes.size()
            || ::fdatasync(file) != 0 || ::close(file) != 0 || ::rename(temporary.constData(), name.constData()) != 0) {
            state.SkipWithError("the baseline file could not be written");
            break;
        }
    }
    state.SetBytesProcessed(bytes.size() * static_cast<qint64>(state.iterations()));
}
BENCHMARK(WriteSyncRename)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void SaveDrawing(benchmark::State& state)
{
    TDrawing& drawing = LoadedDrawing(static_cast<int>(state.range(0)));
    const QString name = Folder().filePath(QStringLiteral("saved.kv"));
    for (auto _ : state)
        drawing.SaveFile(name);
    state.SetBytesProcessed(QFile(name).size() * static_cast<qint64>(state.iterations()));
}
BENCHMARK(SaveDrawing)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same shapes as device geometry with their pens and brushes, drawn with bare QPainter calls.
struct TBareShape {
    QPen Pen;
    QBrush Brush;
    QPainterPath Path;
    QPolygon Polygon;
    QString Text;
    QPoint TextAt;
};

std::vector<TBareShape> BareShapes(const TShapeList& shapes)
{
    std::vector<TBareShape> bare;
    const auto add = [&bare](const TPolygon& s) {
        TBareShape b { ToQPen(s.FPen, s.FPen.Width), ToQBrush(s.FBrush), {}, {}, {}, {} };
        const TPointArray p = s.GetDevicePoints(0, 0, BaseScale);
        if (s.FKind == skText) {
            b.Text = QString::fromLatin1(s.FText);
            b.TextAt = p.empty() ? QPoint() : p.front();
        } else if (s.FKind == skCircle || s.FKind == skCurve || s.FKind == skOpenCurveFilled) {
            b.Path.moveTo(p[0]);
            for (std::size_t i = 1; i + 2 < p.size(); i += 3)
                b.Path.cubicTo(p[i], p[i + 1], p[i + 2]);
        } else {
            b.Polygon = QPolygon(QList<QPoint>(p.begin(), p.end()));
        }
        bare.push_back(std::move(b));
    };
    for (const TShapePtr& shape : shapes) {
        if (shape->IsGroup()) {
            for (const TPolygon& child : shape->FChildren)
                add(child);
        } else {
            add(*shape);
        }
    }
    return bare;
}

void BarePainter(benchmark::State& state)
{
    const std::vector<TBareShape> shapes = BareShapes(LoadedDrawing(static_cast<int>(state.range(0))).Shapes());
    QImage image(PageWidth, PageHeight, QImage::Format_RGB32);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        for (const TBareShape& s : shapes) {
            painter.setPen(s.Pen);
            painter.setBrush(s.Brush);
            if (!s.Text.isEmpty())
                painter.drawText(s.TextAt, s.Text);
            else if (!s.Path.isEmpty())
                painter.drawPath(s.Path);
            else
                painter.drawPolygon(s.Polygon, Qt::OddEvenFill);
        }
    }
}
BENCHMARK(BarePainter)->Arg(10000)->Unit(benchmark::kMillisecond);

void PaintView(benchmark::State& state)
{
    TDrawing& drawing = LoadedDrawing(static_cast<int>(state.range(0)));
    drawing.Deselect();
    for (auto _ : state)
        drawing.PaintAnew();
}
// Painting runs on every core, so the time that counts is the wall clock's, not this thread's.
BENCHMARK(PaintView)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 10 000-shape page with its grid in a laptop-sized view, at the zoom index given.
TDrawing& ScrolledDrawing(int zoom)
{
    static TDrawing drawing;
    if (drawing.ShapeCount() == 0) {
        drawing.SetViewSize(1000, 700);
        drawing.LoadFile(DrawingFile(10000));
    }
    drawing.SetScale(ZoomToScale(zoom));
    drawing.SetScroll(0, 0);
    drawing.Paint();
    return drawing;
}

// Scrolling down the page and back up again, 40 pixels (a wheel notch) a step, painting each step.
void ScrollStep(benchmark::State& state)
{
    TDrawing& drawing = ScrolledDrawing(static_cast<int>(state.range(0)));
    const int bottom = Round(static_cast<double>(PageHeightMM) * drawing.Scale()) - 700;
    int step = 40;
    for (auto _ : state) {
        if (drawing.ScrollY() + step < 0 || drawing.ScrollY() + step > bottom)
            step = -step;
        drawing.SetScroll(0, drawing.ScrollY() + step);
        drawing.Paint();
    }
}
BENCHMARK(ScrollStep)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same view painted from nothing: what each scroll step cost before the page was kept.
void ScrollBaseline(benchmark::State& state)
{
    TDrawing& drawing = ScrolledDrawing(static_cast<int>(state.range(0)));
    for (auto _ : state)
        drawing.PaintAnew();
}
BENCHMARK(ScrollBaseline)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Nudging one shape in the view to and fro and painting after each nudge: only the page around it
// should be painted again.
void EditStep(benchmark::State& state)
{
    TDrawing& drawing = ScrolledDrawing(1);
    const QRect view(0, 0, 1000, 700);
    int index = 0;
    while (!view.contains(drawing.Shapes()[static_cast<std::size_t>(index)]->FDevRect.ToQRect()))
        ++index;
    drawing.ToggleSelected(index);
    drawing.SetMoveUndoPending(false);
    int step = 3;
    for (auto _ : state) {
        step = -step;
        drawing.MoveSelection(step, step);
        drawing.Paint();
    }
    drawing.Deselect();
}
BENCHMARK(EditStep)->Unit(benchmark::kMillisecond)->UseRealTime();

// Zooming between x1 and x2 about the view's top left, painting each step.
void ZoomStep(benchmark::State& state)
{
    TDrawing& drawing = ScrolledDrawing(1);
    int zoom = 1;
    for (auto _ : state) {
        zoom = 3 - zoom;
        drawing.SetScale(ZoomToScale(zoom));
        if (state.range(0))
            drawing.PaintAnew();
        else
            drawing.Paint();
    }
}
BENCHMARK(ZoomStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Graph paper of 1 mm squares, as many millimetres across as the argument, painted into the view. A
// sheet far larger than the view should cost no more than one that just fills it.
void PaintGraphPaper(benchmark::State& state)
{
    const auto size = static_cast<float>(state.range(0));
    TPolygon paper;
    paper.SetKind(skGraphPaper);
    paper.MakeGraphPaper({ 0, 0, size, size }, BaseScale);
    paper.FFont.SetSize(1);
    QImage image(PageWidth, PageHeight, QImage::Format_RGB32);
    TFontCache fonts;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        TShapePainter shapes(painter, TPaintTarget::Screen, 96, fonts);
        shapes.Draw(paper, 0, 0, BaseScale);
    }
}
BENCHMARK(PaintGraphPaper)->Arg(PageHeight / 4)->Arg(100000000)->Unit(benchmark::kMillisecond);

void KeepForRecovery(benchmark::State& state)
{
    const TDrawing& drawing = LoadedDrawing(static_cast<int>(state.range(0)));
    TRecoveryStore store(Folder().filePath(QStringLiteral("recovery")), QStringLiteral("bench"));
    const TRecoveryInfo info { QStringLiteral("/home/teacher/plan.kv"), QDateTime::currentDateTime(), 210, 280 };
    for (auto _ : state)
        store.Write(drawing.Shapes(), info);
    store.Remove();
}
BENCHMARK(KeepForRecovery)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

void DragOneShape(benchmark::State& state)
{
    TDrawing& drawing = LoadedDrawing(static_cast<int>(state.range(0)));
    drawing.Deselect();
    drawing.ToggleSelected(drawing.ShapeCount() / 2);
    drawing.SetMoveUndoPending(true);
    drawing.HoldUnselectedShapes(true);
    int step = 1;
    for (auto _ : state) {
        drawing.MoveSelection(step, 0);
        drawing.Paint();
        step = -step;
    }
    drawing.HoldUnselectedShapes(false);
    drawing.Deselect();
}
BENCHMARK(DragOneShape)->Arg(10000)->Unit(benchmark::kMillisecond);

void DeepCopyVector(benchmark::State& state)
{
    std::vector<TPolygon> shapes;
    for (const TShapePtr& shape : LoadedDrawing(static_cast<int>(state.range(0))).Shapes())
        shapes.push_back(*shape);
    for (auto _ : state) {
        std::vector<TPolygon> copy = shapes;
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(DeepCopyVector)->Arg(10000)->Unit(benchmark::kMillisecond);

void RecordUndoStep(benchmark::State& state)
{
    TDrawing& drawing = LoadedDrawing(static_cast<int>(state.range(0)));
    drawing.Deselect();
    // Mirroring nothing records a step of the whole drawing and changes no shape.
    for (auto _ : state)
        drawing.MirrorSelection(TMirrorAxis::Horizontal);
}
BENCHMARK(RecordUndoStep)->Arg(10000)->Unit(benchmark::kMillisecond);

void HitTest(benchmark::State& state)
{
    TDrawing& drawing = LoadedDrawing(static_cast<int>(state.range(0)));
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(drawing.ShapeAt(x % PageWidth, (x * 7) % PageHeight));
        x += 13;
    }
}
BENCHMARK(HitTest)->Arg(100000)->Unit(benchmark::kMillisecond);

// A spreadsheet column of `rows` times and temperatures, as pasted.
QString PastedRows(int rows)
{
    QString text = QStringLiteral("t / s\tT / °C\n");
    for (int i = 0; i < rows; ++i)
        text += QStringLiteral("%1\t%2,5\n").arg(i).arg(80 - i % 60);
    return text;
}

void ReadPastedRows(benchmark::State& state)
{
    const QString text = PastedRows(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadPastedTable(text));
}
BENCHMARK(ReadPastedRows)->Arg(100000)->Unit(benchmark::kMillisecond);

// Qt cutting the same text into lines and fields, and reading the numbers, without looking at them.
void SplitPastedRows(benchmark::State& state)
{
    const QString text = PastedRows(int(state.range(0)));
    for (auto _ : state) {
        double sum = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            for (const QString& field : line.split(QLatin1Char('\t')))
                sum += field.toDouble();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(SplitPastedRows)->Arg(100000)->Unit(benchmark::kMillisecond);

// A graph 200 mm wide: tan x with its asymptotes, and sin(1000x), a wave too fast for the paper.
const TPlotWindow GraphWindow { -10, 10, -5, 5, 10, 10 };

TPlotExpression Expression(const char* text)
{
    return std::get<TPlotExpression>(TPlotExpression::Parse(QString::fromLatin1(text), TAngleUnit::Radians));
}

void SampleCurve(benchmark::State& state)
{
    const TPlotExpression f = Expression(state.range(0) == 0 ? "tan(x)" : "sin(1000x)");
    for (auto _ : state)
        benchmark::DoNotOptimize(SampleFunction(f, GraphWindow));
}
BENCHMARK(SampleCurve)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same function evaluated every 0.01 mm across the graph, without any choosing.
void EvaluateEvenly(benchmark::State& state)
{
    const TPlotExpression f = Expression("tan(x)");
    const int steps = int((GraphWindow.XMax - GraphWindow.XMin) * GraphWindow.MMPerX / 0.01);
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i <= steps; ++i)
            sum += f(GraphWindow.XMin + (GraphWindow.XMax - GraphWindow.XMin) * i / steps);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(EvaluateEvenly)->Unit(benchmark::kMillisecond);

// The library panel with two pages of 1000 pictures each, the shipped library's pictures over and over,
// as tall as a panel beside an A4 page on a laptop screen.
class TBenchLibrary : private TErrorReporter {
public:
    static constexpr int PageSize = 1000;

    TBenchLibrary()
    {
        TPolyLib shipped(*this);
        shipped.LoadFile(QStringLiteral(KORVO_DEFAULT_LIBRARY));
        const TLibEntries& pictures = shipped.Entries();
        FLibrary.AddPage("First");
        FLibrary.AddPage("Second");
        for (std::int32_t page = 0; page < 2; ++page) {
            for (std::size_t i = 0; i < PageSize && !pictures.empty(); ++i) {
                const TLibShape& picture = *pictures[(i + static_cast<std::size_t>(page) * 67) % pictures.size()];
                FLibrary.AddEntry(picture.FShape, page, picture.FName);
            }
        }
        FPanel.resize(308, 700);
        FPanel.ShowPage(0);
        FPanel.show();
    }

    TLibraryPanel& Panel() { return FPanel; }
    // The panel lets go of every thumbnail, as it does whenever the library's entries change.
    void ForgetThumbnails() { emit FLibrary.EntriesChanged(); }
    // Paints the visible rows as the screen would.
    void PaintRows() { FPanel.List()->viewport()->render(&FImage); }
    const QImage& Image() const { return FImage; }

private:
    void ReportError(const QString&) override { }

    TPolyLib FLibrary { *this };
    TLibraryPanel FPanel { FLibrary, *this };
    QImage FImage { 308, 700, QImage::Format_RGB32 };
};

// Widgets must be gone before the application object is, so they are not left to static destruction.
std::unique_ptr<TBenchLibrary> BenchLibraryWidgets;

TBenchLibrary& BenchLibrary()
{
    if (!BenchLibraryWidgets)
        BenchLibraryWidgets = std::make_unique<TBenchLibrary>();
    return *BenchLibraryWidgets;
}

// Qt's own list of 1000 plain names in rows of the same height: what scrolling costs without pictures.
struct TPlainList {
    QListWidget List;
    QImage Image { 308, 700, QImage::Format_RGB32 };

    TPlainList()
    {
        List.resize(308, 700);
        List.setUniformItemSizes(true);
        Fill();
        List.show();
    }
    void Fill()
    {
        List.clear();
        for (int i = 0; i < TBenchLibrary::PageSize; ++i) {
            auto* item = new QListWidgetItem(QStringLiteral("Picture %1").arg(i), &List);
            item->setSizeHint(QSize(300, 60));
        }
    }
    void PaintRows() { List.viewport()->render(&Image); }
};

std::unique_ptr<TPlainList> PlainListWidgets;

TPlainList& PlainList()
{
    if (!PlainListWidgets)
        PlainListWidgets = std::make_unique<TPlainList>();
    return *PlainListWidgets;
}

// Painting the visible rows of a 1000-picture page once its thumbnails have been made, as scrolling does.
void PaintLibraryRows(benchmark::State& state)
{
    TBenchLibrary& library = BenchLibrary();
    library.Panel().ShowPage(0, 500);
    library.PaintRows();
    for (auto _ : state)
        library.PaintRows();
}
BENCHMARK(PaintLibraryRows)->Unit(benchmark::kMillisecond);

void PaintPlainRows(benchmark::State& state)
{
    TPlainList& list = PlainList();
    list.List.scrollToItem(list.List.item(500));
    for (auto _ : state)
        list.PaintRows();
}
BENCHMARK(PaintPlainRows)->Unit(benchmark::kMillisecond);

// Switching to a page of 1000 pictures and painting it, each time with no thumbnail made yet.
void SwitchLibraryPage(benchmark::State& state)
{
    TBenchLibrary& library = BenchLibrary();
    int page = 0;
    for (auto _ : state) {
        state.PauseTiming();
        library.ForgetThumbnails();
        page = 1 - page;
        state.ResumeTiming();
        library.Panel().ChoosePage(page);
        library.PaintRows();
    }
}
BENCHMARK(SwitchLibraryPage)->Unit(benchmark::kMillisecond);

void RefillPlainList(benchmark::State& state)
{
    TPlainList& list = PlainList();
    for (auto _ : state) {
        list.Fill();
        list.PaintRows();
    }
}
BENCHMARK(RefillPlainList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    BenchLibraryWidgets.reset();
    PlainListWidgets.reset();
    return 0;
}
