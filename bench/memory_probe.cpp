// Peak memory of the editor's model with a large drawing and a full undo history:
// memory_probe DRAWING_FILE prints the peak resident size in MiB.

#include "document/drawing.h"
#include "geometry/units.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: memory_probe DRAWING_FILE\n");
        return 2;
    }
    korvo::TDrawing drawing;
    drawing.SetScale(korvo::BaseScale);
    drawing.LoadFile(QString::fromLocal8Bit(argv[1]));
    // Nine steps, each after moving one shape, as a teacher's small edits would leave them.
    for (int step = 0; step < 9; ++step) {
        drawing.Deselect();
        drawing.ToggleSelected(step * 1000 % drawing.ShapeCount());
        drawing.SetMoveUndoPending(true);
        drawing.MoveSelection(4, 4);
    }
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            std::printf("%.1f\n", line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0);
    }
    return drawing.CanUndo() ? 0 : 1;
}
