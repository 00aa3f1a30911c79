#pragma once

#include <QFlags>

namespace korvo {

// What a change of the drawing touched. A notice names everything one command changed.
enum class TDrawingChange : unsigned {
    // Shapes were added, removed, reordered or changed.
    Shapes = 1u << 0,
    // Which shapes are selected, or how the selection is marked (handles, nodes, the picked node).
    Selection = 1u << 1,
    // The undo history or the paste buffer.
    History = 1u << 2,
    // The document state: untitled, saved, changed.
    DocState = 1u << 3,
    // What the view shows around the shapes: scale, scroll offset, size, grid, background picture,
    // rotation centre.
    View = 1u << 4,
    // Shapes left the list or changed places in it: an index kept from before may name another shape,
    // or none. Always comes with Shapes.
    Order = 1u << 5,
};
Q_DECLARE_FLAGS(TDrawingChanges, TDrawingChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDrawingChanges)

// The changes that alter the composed view; viewers repaint for these.
constexpr TDrawingChanges VisibleChanges
    = TDrawingChanges(TDrawingChange::Shapes) | TDrawingChange::Selection | TDrawingChange::View;

} // namespace korvo
