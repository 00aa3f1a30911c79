// Writes a synthetic drawing for the benchmarks: make_bench_drawing COUNT FILE

#include "bench/bench_drawings.h"
#include "shapes/file_io.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_bench_drawing COUNT FILE\n");
        return 2;
    }
    korvo::WriteFileBytes(QString::fromLocal8Bit(argv[2]),
        korvo::EncodeDrawing(korvo::bench::SyntheticDrawing(QByteArray(argv[1]).toInt())));
    return 0;
}
