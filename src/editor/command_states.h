#pragma once

#include <QString>

namespace korvo {

class TDrawing;

// Which commands the user can give now, from the state of the drawing, its selection, its paste
// buffer and undo history. The window applies them to its tool bars when idle and to its menus when
// they open.
struct TCommandStates {
    // Tool bars.
    bool Group = false;
    bool Ungroup = false;
    bool Paste = false;
    bool CopyCut = false;
    bool Depth = false;
    bool Rotate = false;
    bool LineStyles = false;
    bool LineEndings = false;
    bool Save = false;
    bool Undo = false;
    bool ApplyTransform = false;
    bool Mirror = false;
    // File and Edit menus, besides the above.
    bool ExportSelection = false;
    bool PrintSelected = false;
    bool Reopen = false;
    bool SelectAll = false;
    bool ClearBackground = false;
    QString UndoCaption;
};

struct TCommandContext {
    const TDrawing& Drawing;
    // The shape last under the pointer: a lone text cannot be mirrored.
    int HotShape = -1;
    bool HasBackground = false;
    bool HasRecentFiles = false;
};

TCommandStates ComputeCommandStates(const TCommandContext& context);

} // namespace korvo
