#pragma once

#include <QtGlobal>

namespace korvo {

// Hard bounds on what one picture may make the reader do. Real clip art stays far below each of them;
// a file that reaches one is refused rather than read in part.
namespace SvgLimits {
    // Bytes of the file as given, compressed or not.
    constexpr qint64 MaxInputBytes = 32 * 1024 * 1024;
    // Bytes a .svgz may inflate to.
    constexpr qint64 MaxInflatedBytes = 64 * 1024 * 1024;
    // Nesting of elements in the file.
    constexpr int MaxDepth = 200;
    // Elements in the file.
    constexpr int MaxElements = 200000;
    // Elements drawn, counting every copy a <use> makes.
    constexpr int MaxDrawnElements = 400000;
    // Points of all shapes together.
    constexpr qint64 MaxPoints = 4000000;
    // <use> inside the element another <use> draws.
    constexpr int MaxUseNesting = 16;
    // Entity declarations in the document type, and the characters all references to them expand to.
    constexpr int MaxEntityDeclarations = 64;
    constexpr qint64 MaxEntityExpansion = 1024 * 1024;
    // Width and height of the picture in mm (100 m).
    constexpr double MaxPictureMm = 100000;
    // Characters that <tref> elements copy from the text they refer to, all together.
    constexpr qint64 MaxReferencedCharacters = 1024 * 1024;
    // Gradients that take their stops from another gradient, followed in a chain.
    constexpr int MaxGradientChain = 8;
    // Shapes laid down on the picture that translucent paints are mixed over; those after them are not.
    constexpr int MaxBackdropShapes = 20000;
    // Translucent or graded paints mixed over what lies beneath them; those after them are mixed over white.
    constexpr int MaxMixedPaints = 5000;
} // namespace SvgLimits

} // namespace korvo
