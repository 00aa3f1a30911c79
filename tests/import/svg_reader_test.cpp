#include "import/shape_description.h"
#include "import/svg_import.h"

#include <gtest/gtest.h>

#include <functional>

#include <zlib.h>

namespace korvo {
namespace {

    template <class Case> std::string TestName(const testing::TestParamInfo<Case>& info)
    {
        std::string name;
        for (const char c : std::string(info.param.Name))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    }

    // One user unit is one mm in these pictures, so points read as written.
    QByteArray Picture(const char* body)
    {
        return QByteArray(R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" )svg"
                          R"svg(width="100mm" height="100mm" viewBox="0 0 100 100">)svg")
            + body + "</svg>";
    }

    struct TReadCase {
        const char* Name;
        QByteArray Svg;
        std::vector<std::string> Shapes;
        const char* LeftOut = "";
    };

    // Pens are 144 to the inch: 1 mm is width 6. Colours are 0xBBGGRR.
    const TReadCase ReadCases[] = {
        { "rect keeps its kind", Picture(R"svg(<rect x="10" y="20" width="30" height="40" fill="red"/>)svg"),
            { "2: 10.00,20.00 10.00,60.00 40.00,60.00 40.00,20.00 pen 5/1 fill 0000ff" } },
        { "circle keeps its kind", Picture(R"svg(<circle cx="50" cy="40" r="10" fill="none" stroke="#000"/>)svg"),
            { "3: 40.00,40.00 40.00,34.48 44.48,30.00 50.00,30.00 55.52,30.00 60.00,34.48 60.00,40.00 60.00,45.52 "
              "55.52,50.00 50.00,50.00 44.48,50.00 40.00,45.52 40.00,40.00 pen 0/6 fill -" } },
        { "rounded rect is a closed curve", Picture(R"svg(<rect width="10" height="10" rx="2" fill="blue"/>)svg"),
            { "20: 0.00,2.00 0.00,0.90 0.90,0.00 2.00,0.00 4.00,0.00 6.00,0.00 8.00,0.00 9.10,0.00 10.00,0.90 "
              "10.00,2.00 10.00,4.00 10.00,6.00 10.00,8.00 10.00,9.10 9.10,10.00 8.00,10.00 6.00,10.00 4.00,10.00 "
              "2.00,10.00 0.90,10.00 0.00,9.10 0.00,8.00 0.00,6.00 0.00,4.00 0.00,2.00 pen 5/1 fill ff0000" } },
        { "line, polyline and polygon",
            Picture(R"svg(<g stroke="black" stroke-width="1" fill="none"><line x1="1" y1="2" x2="3" y2="4"/>)svg"
                    R"svg(<polyline points="0,0 10,0 10,10"/><polygon points="0,0 10,0 10,10" fill="lime"/></g>)svg"),
            { "10: [7: 1.00,2.00 3.00,4.00 pen 0/6 fill -] [22: 0.00,0.00 10.00,0.00 10.00,10.00 pen 0/6 fill -] [1: "
              "0.00,0.00 10.00,0.00 10.00,10.00 pen 0/6 fill 00ff00]" } },
        { "transforms in a list apply right to left",
            Picture(R"svg(<rect transform="translate(10,5) scale(2)" width="10" height="5" fill="red"/>)svg"),
            { "2: 10.00,5.00 10.00,15.00 30.00,15.00 30.00,5.00 pen 5/1 fill 0000ff" } },
        { "a quarter turn keeps a rect, other turns make a polygon",
            Picture(R"svg(<g fill="red"><rect transform="rotate(90 50 50)" width="10" height="5"/>)svg"
                    R"svg(<rect transform="translate(10) rotate(30)" width="10" height="5"/></g>)svg"),
            { "10: [2: 95.00,0.00 95.00,10.00 100.00,10.00 100.00,0.00 pen 5/1 fill 0000ff] [1: 10.00,0.00 18.66,5.00 "
              "16.16,9.33 7.50,4.33 pen 5/1 fill 0000ff]" } },
        { "skew and matrix",
            Picture(R"svg(<g fill="red"><rect transform="skewX(45)" width="10" height="10"/>)svg"
                    R"svg(<rect transform="matrix(1 0 0 1 20 30)" width="1" height="1"/></g>)svg"),
            { "10: [1: 0.00,0.00 10.00,0.00 20.00,10.00 10.00,10.00 pen 5/1 fill 0000ff] [2: 20.00,30.00 20.00,31.00 "
              "21.00,31.00 21.00,30.00 pen 5/1 fill 0000ff]" } },
        { "inches and a viewBox",
            QByteArray(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="1in" height="2cm")svg"
                       R"svg( viewBox="0 0 96 20"><rect width="96" height="20" fill="red"/></svg>)svg"),
            { "2: 0.00,7.35 0.00,12.65 25.40,12.65 25.40,7.35 pen 5/1 fill 0000ff" } },
        { "viewBox centred in a wider viewport",
            QByteArray(
                R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="200mm" height="100mm" viewBox="0 0 100 100">)svg"
                R"svg(<rect width="10" height="10" fill="red"/></svg>)svg"),
            { "2: 50.00,0.00 50.00,10.00 60.00,10.00 60.00,0.00 pen 5/1 fill 0000ff" } },
        { "viewBox stretched with none",
            QByteArray(
                R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="200mm" height="100mm" viewBox="0 0 100 100")svg"
                R"svg( preserveAspectRatio="none"><rect width="10" height="10" fill="red"/></svg>)svg"),
            { "2: 0.00,0.00 0.00,10.00 20.00,10.00 20.00,0.00 pen 5/1 fill 0000ff" } },
        { "points and picas",
            QByteArray(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="72pt" height="6pc">)svg"
                       R"svg(<rect width="96" height="96" fill="red"/></svg>)svg"),
            { "2: 0.00,0.00 0.00,25.40 25.40,25.40 25.40,0.00 pen 5/1 fill 0000ff" } },
        { "sheet by element, class and id; style attribute last",
            Picture(
                R"svg(<style>rect { fill: blue } .a { fill: lime } #b { fill: red } rect.c, .d { fill: yellow }</style>)svg"
                R"svg(<rect width="1" height="1" fill="black"/><rect class="a" width="1" height="1"/>)svg"
                R"svg(<rect id="b" class="a" width="1" height="1"/><rect id="b2" style="fill:#123" width="1" height="1"/>)svg"
                R"svg(<rect class="c" width="1" height="1"/>)svg"),
            { "2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill ff0000",
                "2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill 00ff00",
                "2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill 0000ff",
                "2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill 332211",
                "2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill 00ffff" } },
        { "inherited fill and currentColor",
            Picture(R"svg(<g fill="red" color="#00ff00"><rect width="1" height="1"/>)svg"
                    R"svg(<rect width="1" height="1" fill="currentColor"/></g>)svg"),
            { "10: [2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill 0000ff] [2: 0.00,0.00 0.00,1.00 1.00,1.00 "
              "1.00,0.00 pen 5/1 fill 00ff00]" } },
        { "colour forms",
            Picture(
                R"svg(<g><rect width="1" height="1" fill="rgb(0,0,255)"/>)svg"
                R"svg(<rect width="1" height="1" fill="rgb(100%,0%,0%)"/><rect width="1" height="1" fill="#abc"/>)svg"
                R"svg(<rect width="1" height="1" fill="teal"/><rect x="2" width="1" height="1" fill="#11223380"/></g>)svg"),
            { "10: [2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill ff0000] [2: 0.00,0.00 0.00,1.00 1.00,1.00 "
              "1.00,0.00 pen 5/1 fill 0000ff] [2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill ccbbaa] [2: "
              "0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill 808000] [2: 2.00,0.00 2.00,1.00 3.00,1.00 "
              "3.00,0.00 pen 5/1 fill 999088]" } },
        { "opacity over white",
            Picture(R"svg(<g opacity="0.5"><rect width="1" height="1" fill="#000" fill-opacity="0.5"/></g>)svg"),
            { "2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill bfbfbf" } },
        { "a see-through fill mixes with the shape beneath it",
            Picture(
                R"svg(<rect width="2" height="2" fill="blue"/><rect width="2" height="2" fill="red" opacity="0.5"/>)svg"),
            { "2: 0.00,0.00 0.00,2.00 2.00,2.00 2.00,0.00 pen 5/1 fill ff0000",
                "2: 0.00,0.00 0.00,2.00 2.00,2.00 2.00,0.00 pen 5/1 fill 7f0484" } },
        { "a radial gradient's average counts its outer stops by their larger area",
            Picture(
                R"svg(<defs><linearGradient id="g0"><stop offset="0" stop-color="red"/>)svg"
                R"svg(<stop offset="1" style="stop-color:blue"/></linearGradient>)svg"
                R"svg(<radialGradient id="g1" xlink:href="#g0"/></defs><rect width="1" height="1" fill="url(#g1)"/>)svg"),
            { "2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill ba0045" } },
        { "use, and a symbol through its viewBox",
            Picture(
                R"svg(<defs><rect id="r" width="2" height="2" fill="red"/><symbol id="s" viewBox="0 0 1 1">)svg"
                R"svg(<rect width="1" height="1" fill="blue"/></symbol></defs><use xlink:href="#r" x="10" y="20"/>)svg"
                R"svg(<use href="#s" x="50" y="50" width="10" height="10"/>)svg"),
            { "2: 10.00,20.00 10.00,22.00 12.00,22.00 12.00,20.00 pen 5/1 fill 0000ff",
                "2: 50.00,50.00 50.00,60.00 60.00,60.00 60.00,50.00 pen 5/1 fill ff0000" } },
        { "arrow markers and a dash",
            Picture(
                R"svg(<defs><marker id="Arrow1Lend"><path d="M0,0 L5,5 L0,10 z"/></marker>)svg"
                R"svg(<marker id="dot"><circle r="2"/></marker></defs>)svg"
                R"svg(<path d="M10,10 L20,10" stroke="black" marker-end="url(#Arrow1Lend)" stroke-dasharray="1 3"/>)svg"
                R"svg(<path d="M10,20 L20,20" stroke="black" marker-end="url(#dot)"/>)svg"),
            { "7: 10.00,10.00 20.00,10.00 pen 2/6 fill 000000 end 1",
                "7: 10.00,20.00 20.00,20.00 pen 0/6 fill 000000" } },
        { "a non-scaling stroke keeps its width in pixels",
            Picture(R"svg(<path transform="scale(10)" d="M1,1 L2,1" stroke="black" stroke-width="3.7795")svg"
                    R"svg( vector-effect="non-scaling-stroke"/>)svg"),
            { "7: 10.00,10.00 20.00,10.00 pen 0/6 fill 000000" } },
        { "a stroke stretched across its line widens with the stretch",
            Picture(R"svg(<path transform="scale(4,1)" d="M1,0 L1,10" stroke="black" stroke-width="0.5")svg"
                    R"svg( fill="none"/>)svg"),
            { "7: 4.00,0.00 4.00,10.00 pen 0/11 fill -" } },
        { "text with its font",
            Picture(
                R"svg(<text x="10" y="20" font-family="'Liberation Sans', sans-serif" font-size="5" )svg"
                R"svg(font-weight="bold" fill="red">Hi <tspan font-style="italic">there</tspan></text>)svg"
                R"svg(<text x="10" y="50" transform="rotate(-90 10 50)" text-anchor="start" )svg"
                R"svg(text-decoration="underline line-through">Up</text>)svg"
                R"svg(<text x="10" y="70" style="font: italic 600 5px/1.2 'DejaVu Sans', sans-serif">Short</text>)svg"),
            { "9: 'Hi there' Liberation Sans 15pt bold colour 0000ff x 10.00 turned 0",
                "9: 'Up' Times New Roman 48pt underline struck colour 000000 x -4.26 turned 900",
                "9: 'Short' DejaVu Sans 15pt bold italic colour 000000 x 10.00 turned 0" } },
        { "a tspan's own style, tref and kept spaces",
            Picture(R"svg(<defs><text id="t">Gas jar</text></defs><text x="10" y="20" font-size="5">)svg"
                    R"svg( <tspan fill="red">A</tspan>  <tref href="#t"/></text>)svg"
                    R"svg(<text x="10" y="40" font-size="5" xml:space="preserve"> two  spaces</text>)svg"),
            { "9: 'A Gas jar' Times New Roman 15pt colour 0000ff x 10.00 turned 0",
                "9: ' two  spaces' Times New Roman 15pt colour 000000 x 10.00 turned 0" } },
        { "texts outside the frame are cut off, texts Korvo cannot hold are counted",
            Picture(R"svg(<g font-size="5"><text x="10" y="20">In</text><text x="10" y="-10">Out</text>)svg"
                    "<text x=\"10\" y=\"30\">\u0986\u09AE\u09BF</text></g>"),
            { "9: 'In' Times New Roman 15pt colour 000000 x 10.00 turned 0" },
            "1 part of the picture could not be taken in: 1 text with characters Korvo cannot hold" },
        { "a rectangular clip cuts fills and lines",
            Picture(R"svg(<clipPath id="c"><rect width="50" height="50"/></clipPath><g clip-path="url(#c)">)svg"
                    R"svg(<rect x="25" y="25" width="50" height="50" fill="red"/>)svg"
                    R"svg(<path d="M0,40 L100,40" stroke="black"/><circle cx="80" cy="80" r="5" fill="red"/></g>)svg"),
            { "10: [2: 25.00,25.00 25.00,50.00 50.00,50.00 50.00,25.00 pen 5/1 fill 0000ff] [7: 0.00,40.00 50.00,40.00 "
              "pen 0/6 fill 000000]" } },
        { "the picture's own frame cuts what lies outside it",
            Picture(R"svg(<rect x="90" y="-10" width="20" height="20" fill="red"/>)svg"),
            { "2: 90.00,0.00 90.00,10.00 100.00,10.00 100.00,0.00 pen 5/1 fill 0000ff" } },
        { "hidden elements",
            Picture(R"svg(<rect width="1" height="1" display="none"/><g style="display:none"><rect/></g>)svg"
                    R"svg(<rect width="1" height="1" visibility="hidden"/>)svg"),
            {} },
        { "one-child groups are flattened, nested ones merged",
            Picture(R"svg(<g><g><rect width="1" height="1"/></g></g><g><rect width="1" height="1"/>)svg"
                    R"svg(<g><rect x="2" width="1" height="1"/><rect x="4" width="1" height="1"/></g></g>)svg"),
            { "2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill 000000",
                "10: [2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill 000000] [2: 2.00,0.00 2.00,1.00 "
                "3.00,1.00 3.00,0.00 pen 5/1 fill 000000] [2: 4.00,0.00 4.00,1.00 5.00,1.00 5.00,0.00 pen 5/1 fill "
                "000000]" } },
        { "what is left out is counted",
            Picture(
                R"svg(<defs><filter id="f"><feGaussianBlur stdDeviation="2"/></filter><pattern id="p"/><mask id="m"/><clipPath id="k"><circle r="5"/></clipPath></defs>)svg"
                R"svg(<image width="5" height="5"/><image width="5" height="5"/><rect width="1" height="1" filter="url(#f)"/>)svg"
                R"svg(<rect width="1" height="1" fill="url(#p) red"/><rect width="1" height="1" mask="url(#m)"/>)svg"
                R"svg(<rect width="1" height="1" clip-path="url(#k)"/><foreignObject/><flowRoot/>)svg"),
            { "2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill 0000ff",
                "2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill 000000",
                "2: 0.00,0.00 0.00,1.00 1.00,1.00 1.00,0.00 pen 5/1 fill 000000" },
            "8 parts of the picture could not be taken in: 2 bitmaps, 1 filter, 1 pattern, 2 clippings or masks, 2 "
            "other parts" },
    };

    class SvgReadTest : public testing::TestWithParam<TReadCase> { };

    TEST_P(SvgReadTest, GivesTheShapes)
    {
        const TSvgImport read = ReadSvg(GetParam().Svg);
        ASSERT_EQ(read.Error.toStdString(), "");
        std::vector<std::string> shapes;
        for (const TPolygon& shape : read.Shapes)
            shapes.push_back(DescribeShape(shape));
        EXPECT_EQ(shapes, GetParam().Shapes);
        EXPECT_EQ(LeftOutNote(read.LeftOut).toStdString(), GetParam().LeftOut);
    }

    INSTANTIATE_TEST_SUITE_P(Constructs, SvgReadTest, testing::ValuesIn(ReadCases), TestName<TReadCase>);

    // The picture's box: its width and height, else its viewBox, else as far as it draws from the origin.
    TEST(SvgPictureBoxTest, ComesFromSizeViewBoxOrDrawing)
    {
        const std::pair<const char*, const char*> cases[] = {
            { R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="1in" height="72pt" viewBox="0 0 5 5"/>)svg",
                "0.00,0.00 25.40,25.40" },
            { R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 96 48"/>)svg", "0.00,0.00 25.40,12.70" },
            { R"svg(<svg xmlns="http://www.w3.org/2000/svg"><rect x="96" y="48" width="96" height="96"/></svg>)svg",
                "0.00,0.00 50.80,38.10" },
        };
        for (const auto& [svg, box] : cases) {
            const TMMRect b = ReadSvg(svg).Bounds;
            EXPECT_EQ(QStringLiteral("%1,%2 %3,%4")
                          .arg(b.Left, 0, 'f', 2)
                          .arg(b.Top, 0, 'f', 2)
                          .arg(b.Right, 0, 'f', 2)
                          .arg(b.Bottom, 0, 'f', 2)
                          .toStdString(),
                box)
                << svg;
        }
    }

    QByteArray Gzip(const QByteArray& bytes)
    {
        z_stream stream {};
        deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
        QByteArray out(static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(bytes.size()))), '\0');
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
        stream.avail_in = static_cast<uInt>(bytes.size());
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = static_cast<uInt>(out.size());
        deflate(&stream, Z_FINISH);
        out.resize(static_cast<qsizetype>(stream.total_out));
        deflateEnd(&stream);
        return out;
    }

    QByteArray Repeated(const char* open, int count, const char* close)
    {
        return Picture((QByteArray(open).repeated(count) + QByteArray(close).repeated(count)).constData());
    }

    QByteArray BillionLaughs()
    {
        QByteArray doctype = "<!DOCTYPE svg [<!ENTITY a0 \"lol\">";
        for (int i = 1; i < 10; ++i)
            doctype += "<!ENTITY a" + QByteArray::number(i) + " \""
                + ("&a" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
        return doctype + "]>" + Picture("<text>&a9;</text>");
    }

    QByteArray UseBomb()
    {
        QByteArray body = "<defs><rect id=\"u0\" width=\"1\" height=\"1\"/>";
        for (int i = 1; i < 8; ++i) {
            body += "<g id=\"u" + QByteArray::number(i) + "\">";
            body += ("<use href=\"#u" + QByteArray::number(i - 1) + "\"/>").repeated(10);
            body += "</g>";
        }
        return Picture((body + "</defs><use href=\"#u7\"/>").constData());
    }

    // The bytes are made when the case runs: some are large.
    struct THostileCase {
        const char* Name;
        std::function<QByteArray()> Bytes;
        const char* Error;
    };

    const THostileCase HostileCases[] = {
        { "billion laughs", BillionLaughs, "The picture's entities expand to more than 1048576 characters." },
        { "external entity",
            [] {
                return (QByteArray("<!DOCTYPE svg [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>")
                    + Picture("<text>&x;</text>"));
            },
            "The picture declares an entity outside the file, which Korvo never reads." },
        { "undeclared entity", [] { return Picture("<text>&x;</text>"); },
            "The file is not well-formed XML (line 1: Entity 'x' not declared)." },
        { "deep nesting", [] { return Repeated("<g>", 200, "</g>"); },
            "The picture nests elements more than 200 deep." },
        { "too many elements", [] { return Repeated("<rect/>", 200001, ""); },
            "The picture has more than 200000 elements." },
        { "svgz bomb", [] { return Gzip(QByteArray(65 * 1024 * 1024, ' ') + Picture("")); },
            "The compressed picture inflates to more than 64 MB." },
        { "damaged svgz", [] { return Gzip(Picture("")).left(30); }, "The compressed picture is damaged." },
        { "not XML", [] { return QByteArray("GIF89a"); },
            "The file is not well-formed XML (line 1: Start tag expected)." },
        { "not SVG", [] { return QByteArray("<html><body/></html>"); },
            "The file is not an SVG picture: its root element is <html>." },
        { "malformed XML", [] { return Picture("<g>"); },
            "The file is not well-formed XML (line 1: Opening and ending tag mismatch)." },
        { "huge numbers",
            [] {
                return QByteArray(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="1e300" height="1e-300"/>)svg");
            },
            "The picture's width or height is negative or larger than 100 m." },
        { "use loop", [] { return Picture(R"svg(<g id="a"><use href="#a"/></g>)svg"); },
            "The picture's <use> elements refer to each other in a loop." },
        { "use explosion", UseBomb, "The picture draws more than 400000 elements." },
        { "tref explosion",
            [] {
                return Picture(("<defs><text id=\"t\">" + QByteArray(1024, 'x') + "</text></defs><text>"
                    + QByteArray("<tref href=\"#t\"/>").repeated(1024) + "</text>")
                                   .constData());
            },
            "The picture's <tref> elements copy more than 1048576 characters of text." },
    };

    class SvgHostileTest : public testing::TestWithParam<THostileCase> { };

    TEST_P(SvgHostileTest, IsRefusedWithItsReason)
    {
        const TSvgImport read = ReadSvg(GetParam().Bytes());
        EXPECT_EQ(read.Error.toStdString(), GetParam().Error);
        EXPECT_TRUE(read.Shapes.empty());
    }

    INSTANTIATE_TEST_SUITE_P(Files, SvgHostileTest, testing::ValuesIn(HostileCases), TestName<THostileCase>);

} // namespace
} // namespace korvo
