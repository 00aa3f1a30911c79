#include "bench/bench_drawings.h"

#include "tools/shape_builders.h"

#include <random>

namespace korvo::bench {

namespace {

    using namespace korvo::tools;

    class TShapeMaker {
    public:
        explicit TShapeMaker(unsigned seed)
            : FRandom(seed)
        {
        }

        TPolygon Next()
        {
            switch (Pick(0, 9)) {
            case 0:
            case 1:
                return Box(skRectangle, RandomBox(), Pen(Colour()), Colour());
            case 2:
                return Box(skCircle, RandomBox(), Pen(Colour()), Colour());
            case 3:
            case 4:
                return Points(skPolygon, RandomPoints(Pick(3, 20)), Pen(Colour()), Colour());
            case 5:
                return Points(skCurve, RandomPoints(4), Pen(Colour(), 2), NoFillColour, leArrow);
            case 6:
                return Points(skLine, RandomPoints(2), Pen(Colour()), NoFillColour, leArrowMedium);
            case 7:
                return Text(RandomBox(), QStringLiteral("Label %1").arg(Pick(1, 999)), { "Liberation Sans", 10 });
            case 8:
                return Group({ Box(skRectangle, RandomBox(), Pen(Colour()), Colour()),
                    Box(skCircle, RandomBox(), Pen(Colour()), Colour()) });
            default:
                return Built(skOpenCurveFilled, RandomBox(), Pen(Colour()), Colour(), &TPolygon::MakeSine);
            }
        }

    private:
        int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(FRandom); }
        float Coordinate(float limit) { return std::uniform_real_distribution<float>(5, limit)(FRandom); }
        TColour Colour()
        {
            return static_cast<TColour>(std::uniform_int_distribution<std::uint32_t>(0, 0xFFFFFF)(FRandom));
        }

        TMMRect RandomBox()
        {
            const float x = Coordinate(190);
            const float y = Coordinate(260);
            return { x, y, x + Coordinate(20), y + Coordinate(15) };
        }

        TMMArray RandomPoints(int n)
        {
            const float x = Coordinate(180);
            const float y = Coordinate(250);
            TMMArray points;
            for (int i = 0; i < n; ++i)
                points.push_back({ x + Coordinate(25), y + Coordinate(25) });
            return points;
        }

        std::mt19937 FRandom;
    };

} // namespace

TShapeList SyntheticDrawing(int count, unsigned seed)
{
    TShapeMaker maker(seed);
    TShapeList shapes;
    shapes.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        shapes.push_back(std::make_shared<TPolygon>(maker.Next()));
    return shapes;
}

} // namespace korvo::bench
