<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>PlotExpression</name>
    <message>
        <source>%1: %2 at %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nested too deeply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown name %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>( expected after %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SvgImport</name>
    <message>
        <source>%n bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n bitmaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n clipping or mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n clippings or masks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n text with characters Korvo cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n texts with characters Korvo cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n other part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n other parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compressed picture could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compressed picture inflates to more than %1 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compressed picture is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture&apos;s &lt;tref&gt; elements copy more than %1 characters of text.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TQtUserPrompts</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TShapeCommands</name>
    <message>
        <source>The graph could not be drawn on this paper.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTextFrm</name>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo</name>
    <message>
        <source>%n point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n row that does not hold two numbers was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n rows that do not hold two numbers were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first %1 rows are taken: %n more was left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first %1 rows are taken: %n more were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n point lies outside the axes and is left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n points lie outside the axes and are left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to read in the memory at hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: its content could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::CommandLine</name>
    <message>
        <source>--thumbnail takes a size from 1 to %1 pixels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::TAboutFrm</name>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::TDrawing</name>
    <message>
        <source>%1 cannot be imported. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be imported. The picture holds nothing that Korvo can draw.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::TPictureImport</name>
    <message>
        <source>SVG pictures (*.svg *.svgz)|*.svg;*.svgz|SVG (*.svg)|*.svg|Compressed SVG (*.svgz)|*.svgz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture on the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::TPlotAxesPanel</name>
    <message>
        <source>Axes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow heads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One square is worth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One major line is worth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at the major lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every N squares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the paper&apos;s colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t / s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>v / m s^{-1}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the start of the x axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the end of the x axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the start of the y axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the end of the y axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value along x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value along y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a number for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The x axis must end at a larger value than it starts at.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The y axis must end at a larger value than it starts at.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of a square or a major line must be more than nothing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::TPlotCurvePanel</name>
    <message>
        <source>The first row was taken as a header.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table is longer than a graph keeps: shorten its rows or take fewer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table holds no points: type or paste two columns, x then y.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write on the graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>× cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>○ ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>● dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>□ square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>straight lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smooth curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>best-fit straight line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dotted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x and y in two columns, separated by a tab, a semicolon or a comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best-fit line: gradient %1, intercept %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A best-fit line needs points at two different values of x.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvo::TPlotFrm</name>
    <message>
        <source>y = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>measured points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
