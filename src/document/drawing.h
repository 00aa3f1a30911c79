#pragma once

#include "document/drawing_change.h"
#include "document/drawing_file.h"
#include "document/drawing_modes.h"
#include "document/paint_layers.h"
#include "document/painted_shapes.h"
#include "document/picture.h"
#include "document/shared_settings.h"
#include "document/undo_step.h"
#include "document/view_tiles.h"
#include "geometry/device_types.h"
#include "shapes/font_cache.h"
#include "shapes/plot_definition.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QMimeData;
class QPainter;

namespace korvo {

class TErrorReporter;
class TPaintErrors;

// The text of a text shape or a formula with its font, as the text dialog edits them. The text may hold
// markup; with Chemistry on the chemistry rules also raise and lower characters.
struct TShapeText {
    QByteArray Text;
    TShapeFont Font;
    bool Chemistry = false;
};

// Graph paper settings: square size in millimetres and major lines (0 none, 1 every 5th, 2 every 10th).
struct TPaperSettings {
    int SquareSize = 10;
    int MajorLines = 0;
};

// The editor's one document: the ordered shapes of the page (index 0 at the back), the selection,
// the view onto the page (scale and scroll offset), the undo history, the background picture and the
// rotation centre. Shapes cache their device bounds for one scale; the drawing refreshes them when
// the scale changes.
//
// Every editing operation records its undo step before it changes anything, so one user action is one
// step, and marks the document modified. Undo steps share unchanged shapes with the drawing: a shape
// is copied only when an operation is about to change it while a step still holds it.
// Operations given an index outside the shape list do nothing (or return -1, false or an empty
// result); the selection only ever refers to shapes in the list.
//
// Repainting: no operation paints. Every operation that changes the drawing, its selection, its
// history, the document state or the view announces once what it changed (Changed), when it ends;
// the editor repaints on that notice. A TDrawingUpdate makes several operations one notice.
class TDrawing : public QObject {
    Q_OBJECT

public:
    // Painting errors go to the reporter, once per paint; it may be absent for headless use.
    explicit TDrawing(TErrorReporter* reporter = nullptr);

    const TShapeList& Shapes() const { return FShapes; }
    const std::vector<TPolygon*>& Selection() const { return FSelection; }
    int ShapeCount() const { return static_cast<int>(FShapes.size()); }
    int SelCount() const { return static_cast<int>(FSelection.size()); }

    // Sets the process-wide document state and announces it.
    void SetDocState(TDocState state);

    // New: selection, shapes and undo history go; clipboard, background, centre and view stay.
    void Clear();
    void ClearShapes();
    void ClearSelection();

    // View. The scroll offset is in page pixels; the view size is the surface's client size.
    float Scale() const { return FScale; }
    // Sets the scale and refreshes every shape's device bounds and handles for it.
    void SetScale(float scale);
    void SetViewSize(int width, int height);
    void SetScroll(int x, int y);
    int ScrollX() const { return FScrollX; }
    int ScrollY() const { return FScrollY; }
    void SetShowGrid(bool show);
    // The page, 210 x 280 mm for A4 or 420 x 560 mm for A3, kept in the process-wide page size.
    void SetPageSize(std::int32_t widthMM, std::int32_t heightMM);
    TNodeMode NodeMode() const { return FNodeMode; }
    void SetNodeMode(TNodeMode mode);
    // The current drawing tool; the drawing only keeps it for its callers.
    TTool Tool() const { return FTool; }
    void SetTool(TTool tool) { FTool = tool; }

    QPoint MMToDevice(TMMPoint p, int offsetX, int offsetY) const;
    QPoint MMToPoint(float x, float y) const;
    TMMPoint DeviceToMM(int x, int y) const;
    TMMPoint PointToMM(QPoint p) const { return DeviceToMM(p.x(), p.y()); }
    // Centimetres, for the position read-out.
    TMMPoint DeviceToCM(int x, int y) const;
    // Snaps a device point to the nearest whole millimetre of the page.
    void SnapToGrid(int& x, int& y) const;

    // Composes the whole view (background, grid, shapes, selection marks, rotation centre) and
    // announces it (ViewPainted); errors met while painting are reported once afterwards. The page under the
    // marks comes from tiles kept while neither the shapes nor the scale, grid or background change,
    // so a scroll step paints only what it uncovers.
    void Paint();
    // The same view painted from nothing, every shape straight into it; the kept tiles are neither used nor
    // painted, only let go where the shapes changed.
    void PaintAnew();
    // Whether the page is painted a tile at a time on every core (the default) or in one pass on the
    // painting thread; the pixels are the same either way.
    void SetPaintOnEveryCore(bool every) { FPaintOnEveryCore = every; }
    const QImage& ViewImage() const { return FView; }
    // While a drag moves the selected shapes, the shapes around them are painted once and reused by
    // every Paint until the hold ends. Only the selected shapes may change meanwhile.
    void HoldUnselectedShapes(bool hold);

    // The background picture, each of its pixels 25/96 mm on the page. A picture that cannot be read
    // throws EFileError and leaves the previous picture in place.
    void LoadBackground(const QString& fileName);
    void ClearBackground();
    bool HasBackground() const { return FBackground.has_value(); }
    void SetBackgroundPosition(float x, float y);
    TMMPoint BackgroundPosition() const { return { FBackgroundX, FBackgroundY }; }

    // The rotation centre: its marker is hit within 5 pixels, only while it is shown.
    THandle CentreAt(int x, int y) const;
    void SetCentre(int x, int y);
    TMMPoint Centre() const { return { FCentreX, FCentreY }; }
    bool ShowCentre() const { return FShowCentre; }
    void SetShowCentre(bool show);

    // Finding shapes under a device point (scrolled view pixels), front-most first.
    int ShapeAt(int x, int y) const;
    // Index in the selection of the selected shape whose box holds the point, or -1.
    int SelectedAt(int x, int y) const;
    // The handle of a selected shape under the point. Line-like shapes offer only the handles at
    // their ends (left and right, or top and bottom); their other handles only move them. `index`
    // receives the shape's index.
    THandle HandleAt(int x, int y, int& index) const;
    // The node of any shape under the point, or -1 with `index` the shape under the point.
    int NodeAt(int x, int y, int& index) const;
    // The shape's box in scrolled view pixels; empty for a bad index.
    TRect GetShapeRect(int index) const;
    TRect GetSelectionBounds() const;
    TRect GetDrawingBounds() const;
    // The millimetre box of the selection; false when nothing is selected.
    bool GetSelectionExtent(TMMRect& extent) const;
    int FirstSelectedGroup() const;
    // Whether a polyline, line or curve is selected: those take line endings.
    bool SelectionHasLines() const;

    // Selection.
    void ToggleSelected(int index);
    void SelectAll();
    void Deselect() { ClearSelection(); }
    // Adds every shape whose box meets the rectangle, given by any two opposite corners.
    void SelectInRect(int x1, int y1, int x2, int y2);

    // Arranging the selection.
    // The canvas sets this when a drag of the selection begins, so the whole drag is one undo step.
    void SetMoveUndoPending(bool pending) { FMoveUndoPending = pending; }
    void MoveSelection(int dx, int dy);
    void ResizeShape(int index, const TRect& rect);
    void ScaleSelection(int percent, TApplyTo target = TApplyTo::Selection);
    void RotateSelection(float angle);
    void RotateSelectionAboutCentre(float angle, TApplyTo target = TApplyTo::Selection);
    void MirrorSelection(TMirrorAxis axis);
    // Aligns every other selected shape with the first one.
    void AlignSelection(TAlignment alignment);
    void GroupSelection();
    void UngroupSelection();
    void BringToFront();
    void SendToBack();
    void BringForward();
    void SendBackward();
    void DeleteSelection();

    // Undo history: at most nine steps, newest last. The steps undone can be redone until the
    // shapes change again; undo and redo both mark the drawing changed.
    bool CanUndo() const { return !FUndoList.empty(); }
    QString GetUndoCaption() const;
    void Undo();
    bool CanRedo() const { return !FRedoList.empty(); }
    QString GetRedoCaption() const;
    void Redo();
    // Empties both the steps to undo and those to redo.
    void ClearUndo();

    // Creating shapes from what the canvas collected, in device pixels.
    void SetDrawPoint(int x, int y, int index);
    TPointArray GetDrawPoints() const;
    bool AddPolyShape(std::int32_t kind, const TBrush& brush, const TPen& pen);
    // The sine tool makes an open filled curve, the straight tube a vertical tube when the rectangle
    // is taller than wide; the other box tools make the shape of their own kind.
    void AddBoxShape(const TRect& rect, TTool tool, const TBrush& brush, const TPen& pen);
    void AddLine(std::uint8_t ending, int x1, int y1, int x2, int y2, const TPen& pen);
    void AddCurve(int x1, int y1, int x2, int y2, const TPen& pen);
    // The stored font is 2 points larger than the given one; the frame fits the text at (x, y).
    void AddText(const QByteArray& text, const TShapeFont& font, int x, int y);
    // A text as typed in the text dialog: one text shape, as AddText makes it, when nothing in it is
    // raised or lowered and the chemistry switch is off; otherwise a formula group. One undo step.
    void AddTypedText(const TShapeText& typed, int x, int y);
    void AddRegularPolygon(int sides, float cx, float cy, float radius);
    // A copy of the library shape with its top-left corner at the device point.
    void AddLibraryShape(const TPolygon* shape, int x, int y);
    // The shapes of another program's picture, in millimetres at true size: one group (or the one
    // shape) with its top-left corner at `topLeft`, shrunk keeping its proportions, lines and letters
    // when larger than the page; selected; one undo step. Nested groups are flattened into the one
    // group. False, and nothing happens, when the shapes have no points.
    bool InsertPicture(std::vector<TPolygon> shapes, TMMPoint topLeft);
    // Reads an SVG picture (.svg or .svgz bytes) and inserts it as InsertPicture does. Returns the note
    // on the parts that could not be taken in, empty when none. A picture that cannot be read, or that
    // holds nothing to draw, throws EFileError naming it and the reason; the drawing stays as it was.
    // `name` is how the message names it: a file's name in quotes, or words such as "The picture on
    // the clipboard".
    QString ImportPicture(const QByteArray& bytes, const QString& name, TMMPoint topLeft);
    // The shape at the index as one library picture with its top-left at the origin; when that shape
    // is selected, the whole selection is the picture (several shapes as one group). Nothing for an
    // index outside the shape list.
    std::optional<TPolygon> LibraryShapeFor(int index) const;

    // Per-shape edits, by index.
    void SetText(const QByteArray& text, const TShapeFont& font, int index);
    // The text of a text shape, or a formula group's formula written back, as the text dialog shows it:
    // markup characters of a plain text escaped, so that applying it unchanged changes nothing.
    std::optional<TShapeText> GetText(int index) const;
    // Whether "Edit text" applies to the shape: a text, or a group of texts read as a formula.
    bool HasEditableText(int index) const;
    // Replaces a text or formula by the typed one, as AddTypedText makes it, in place. A text that stays
    // a text is changed as SetText changes it; any change to or from a formula group is one undo step.
    void SetTypedText(const TShapeText& typed, int index);
    // Whether "Plot graph..." applies: graph paper, or a graph made on it.
    bool CanPlot(int index) const;
    // What the plot dialog starts from: the graph's stored definition, or DefaultPlot for bare paper.
    std::optional<TPlotDefinition> PlotDefinition(int index) const;
    // The paper a graph is drawn on, as it is now (moved, scaled or turned), for the dialog's note on
    // points outside the ranges (MakePlotGroup's omissions) and the paper's major lines.
    std::optional<TPolygon> PlotPaper(int index) const;
    // Replaces the paper or graph by the graph of the definition, in place, as one undo step. False, and
    // nothing changes, when the definition cannot be drawn on that paper.
    bool PlotGraph(int index, const TPlotDefinition& definition);
    TPaperSettings GetPaperSettings(int index) const;
    void SetPaperSettings(int index, const TPaperSettings& settings);
    int GetShapeKind(int index) const;
    void SetShapeKind(int index, std::int32_t kind);
    TPointArray GetShapePoints(int index) const;
    void SetShapePoints(int index, const TPointArray& points);
    int GetSelectedNode(int index) const;
    void SetSelectedNode(int index, int node);
    void AddNode(int index, int node);
    void AddCurveNode(int index, int node);
    // A shape of two points (a curve of one segment) goes as a whole instead of losing a node.
    void DeleteNode(int index);
    void DeleteCurveNode(int index);
    bool ConvertToRegularPolygon(int index, int sides);
    bool ConvertToStar(int index, int points);
    void ConvertToPolygon(int index);
    void ConvertToOpenPolygon(int index);
    bool ConvertToCurve(int index, bool closed);
    bool ConvertCurveToPolygon(int index, bool closed);
    // A circle or closed curve opened where it starts and ends: the same points as an open curve.
    void OpenCurve(int index);
    // An open curve closed with a straight segment back to its start.
    void CloseCurve(int index);

    // Style of the selection. With nothing selected they change nothing and record no step.
    void SetFillColour(TColour colour);
    void SetLineColour(TColour colour);
    void SetLineStyle(std::uint8_t style, std::int32_t width);
    void SetPenStyle(std::uint8_t style);
    void SetLineEnding(std::uint8_t ending);

    // The internal clipboard of shape copies, which survives New and Open.
    void CopySelection();
    int ClipboardCount() const { return static_cast<int>(FClipboard.size()); }
    // Copies 2 mm right of and below the copied shapes, selected; one undo step.
    void Paste();

    // Pictures of shapes, true to size at the printer's resolution.
    // The selection on the system clipboard; nothing there is ever read back.
    void CopyAsMetafile() const;
    // What CopyAsMetafile puts on the clipboard: the picture as EMF, SVG and transparent PNG.
    std::unique_ptr<QMimeData> SelectionMimeData() const;
    // The selection with a margin of 10 points, as .emf, .svg, .pdf or .png by the name's extension.
    // Throws EFileError and leaves any existing file intact when the file cannot be written.
    void ExportMetafile(const QString& fileName) const;
    // Paints every shape, or the selected ones, onto a target whose pixels are those of a printer of
    // `printerPixelsPerInch`, then the caption at the bottom left of the area.
    void RenderDrawing(QPainter& target, const TRect& area, const QString& caption, TPlacement placement,
        int printerPixelsPerInch) const;
    void RenderSelection(QPainter& target, const TRect& area, const QString& caption, TPlacement placement,
        int printerPixelsPerInch) const;

    // Both throw EFileError with a message for the user. A failed load leaves the drawing as it was;
    // a failed save leaves any existing file intact. Success leaves DocState at dsSaved.
    void SaveFile(const QString& fileName);
    void LoadFile(const QString& fileName);
    // Takes shapes read at this drawing's scale as LoadFile takes those of a file.
    void LoadShapes(TShapeList shapes);

signals:
    // Everything one command changed, once it ends.
    void Changed(korvo::TDrawingChanges changes);
    // A view was composed. A viewer may keep the image: the next paint composes into a fresh one
    // rather than into the image shown.
    void ViewPainted(const QImage& view);

private:
    friend class TDrawingUpdate;

    // Notes what the operation in progress changes; it is announced when the operation ends. A change
    // of the shapes ends what can be redone.
    void Touch(TDrawingChanges changes);
    // Every change of the shape list is reported here with the shapes it changed, so that the tiles
    // repaint and an undo step puts back only those. Edit and EditSelection report the shapes they
    // hand out; an operation that adds, takes away or moves shapes in the list reports each splice as
    // it makes it, in the list's indices at that moment.
    void ReportShapes(const TShapeSplice& splice);
    void EndUpdate();
    // The selection emptied without a notice, for operations that select anew.
    void DropSelection();
    void RefreshShapes();
    // MarkModified, noted for the listeners when the state changes.
    void Modified();
    bool ValidIndex(int index) const { return index >= 0 && index < ShapeCount(); }
    int IndexOf(const TPolygon* shape) const;
    // Records an undo step of the whole drawing and marks the document modified.
    void SaveUndo(TUndoLabel label);
    // The drawing as it is now, as a step of the given label.
    TUndoObject Snapshot(int label) const;
    // Puts back the newest step of `from`, the shapes and which of them were selected, and keeps the
    // drawing as it was on `to`: undo and redo.
    void StepThrough(std::vector<TUndoObject>& from, std::vector<TUndoObject>& to);
    // The shape at index, made safe to change: copied first while an undo step still holds it, and
    // reported changed.
    TPolygon& Edit(int index);
    // The same for every selected shape, so that FSelection's pointers may be changed through.
    void EditSelection();
    void RestyleSelection(TUndoLabel label, const std::function<void(TPolygon&)>& restyle);
    // Takes the selected shapes out of the list, in selection order, and leaves the selection empty.
    TShapeList TakeSelection();
    // Puts the shape in front of all others, as it is.
    void PutInFront(TShapePtr shape);
    void InsertNodeWith(int index, int node, bool (TPolygon::*insert)(int));
    void DeleteNodeOrShape(int index, int minimumPoints, bool (TPolygon::*remove)());
    bool ConvertCircle(int index, int n, bool (TPolygon::*convert)(int));
    // The points kept, only the kind changed, as one undo step.
    void ConvertKind(int index, std::int32_t kind, TUndoLabel label);
    // Moves each selected shape, in selection order, one place forward (1) or back (-1) where it can.
    void StepSelection(int step);
    // Brings the new shape's device bounds up to date and puts it in front of all others.
    void Append(TShapePtr shape, bool select);
    void SelectAlone(TPolygon* shape);
    void MoveShape(TPolygon& shape, float dx, float dy);
    void RefreshChildren(TPolygon& shape) const;
    // Brings the shape's device box, handles and, for a group, its children's boxes up to the scale.
    void Refresh(TPolygon& shape) const;
    // About the centre of each shape's own box, or about the given point.
    void RotateSelectionBy(float angle, std::optional<TMMPoint> centre, TApplyTo target);
    // Readies what a transform changes: the selected shapes, or copies of them laid over them, which
    // become the selection. Comes after the undo step, so one Undo takes the copies away again.
    void PrepareTransform(TApplyTo target);
    void DuplicateSelection();
    // Sets the shape's text frame to the text's extent from device point (x, y).
    void FitTextFrame(TPolygon& shape, int x, int y);
    // A text shape as AddText would make it at (x, y): the font stored 2 points larger.
    TPolygon MakeTextShape(const QByteArray& text, const TShapeFont& font, int x, int y);
    // A new text or formula in front of all shapes, added to the selection, as one undo step.
    void AppendText(TPolygon shape);
    // Puts the shape in the list in place of the one at index, keeping its place in the selection.
    void ReplaceShape(int index, TPolygon shape);

    // The shapes, in list order or in selection order, as a picture at k pixels per millimetre for a
    // printer of that resolution.
    TPicture Picture(bool selectionOnly, float k, int printerPixelsPerInch) const;
    static void Render(
        QPainter& target, const TPicture& picture, const TRect& area, const QString& caption, TPlacement placement);

    void Compose(bool reuseTiles);
    // Brings the record of painted shapes up to date; the kept tiles take what it shows changed anew, or let
    // it go when the whole view is painted anew.
    void RecordPaintedShapes(
        bool reuseTiles, const TViewTiles::TKey& key, const TPagePainter& page, TPaintErrors& errors);
    // Paints paper and shapes into the view, from kept tiles or anew.
    void PaintPage(bool reuseTiles, TPaintErrors& errors);
    // The view in page pixels.
    QRect ViewArea() const;
    // Where the grid ends in page pixels, for the view alone or for tiles kept across scroll steps.
    QPoint GridEnds(bool forTiles) const;
    // The page painted with the page pixel `origin` at the painter's (0, 0).
    void PaintPaper(QPainter& painter, QPoint origin, QPoint gridEnds) const;
    // The shapes whose reach, as the record of painted shapes holds it, meets the area (page pixels). That
    // record is current while the page is painted.
    std::vector<TPaintItem> ShapesMeeting(const QRect& area) const;
    // The shapes given by index, in that order. Const, as the pieces of a page call it on several threads
    // at once: the shapes are only read meanwhile.
    void PaintListedShapes(
        QPainter& painter, QPoint origin, const std::vector<std::size_t>& shapes, TPaintErrors& errors) const;
    // Shapes [first, second) of the list.
    void PaintShapes(
        QPainter& painter, QPoint origin, std::pair<std::size_t, std::size_t> range, TPaintErrors& errors) const;
    void PaintOverLayers(QPainter& painter, TPaintErrors& errors);
    TPaintLayers::TKey LayerKey() const;
    void DrawBackground(QPainter& painter, QPoint origin) const;
    void DrawGrid(QPainter& painter, QPoint origin, QPoint ends) const;
    void DrawSelection(QPainter& painter, TPaintErrors& errors);
    void DrawCentre(QPainter& painter) const;

    TErrorReporter* FReporter;
    TShapeList FShapes;
    std::vector<TPolygon*> FSelection;
    TShapeList FClipboard;
    float FScale = 10.0f;
    int FViewWidth = 0;
    int FViewHeight = 0;
    int FScrollX = 0;
    int FScrollY = 0;
    bool FShowGrid = true;
    TMMArray FDrawPoints;
    TTool FTool = TTool::Selection;
    TNodeMode FNodeMode = TNodeMode::Handles;
    std::vector<TUndoObject> FUndoList;
    // The steps undone, the most recently undone last.
    std::vector<TUndoObject> FRedoList;
    bool FMoveUndoPending = false;
    std::optional<QImage> FBackground;
    float FBackgroundX = 0;
    float FBackgroundY = 0;
    float FCentreX = 100.0f;
    float FCentreY = 100.0f;
    bool FShowCentre = false;
    // Kept between paints: the composed view and the fonts matched for it.
    QImage FView;
    bool FHoldLayers = false;
    TPaintLayers FLayers;
    TViewTiles FTiles;
    // What the tiles show of the shapes, and whether the shapes changed since it was last brought up to date.
    TPaintedShapes FPainted;
    bool FShapesChanged = true;
    // Painting only reads the drawing, but matches fonts as it meets them; the cache is safe across threads.
    mutable TFontCache FFonts;
    bool FPaintOnEveryCore = true;
    TPointArray FNodePoints;
    int FUpdateDepth = 0;
    TDrawingChanges FPending;
};

// While one lives, the drawing holds its change notices back; when the last one ends, it announces
// everything changed meanwhile in one notice. Every changing operation opens one, and so can
// a caller that makes several changes for one command.
class TDrawingUpdate {
public:
    explicit TDrawingUpdate(TDrawing& drawing)
        : FDrawing(drawing)
    {
        ++FDrawing.FUpdateDepth;
    }
    ~TDrawingUpdate() { FDrawing.EndUpdate(); }
    TDrawingUpdate(const TDrawingUpdate&) = delete;
    TDrawingUpdate& operator=(const TDrawingUpdate&) = delete;

private:
    TDrawing& FDrawing;
};

} // namespace korvo
