#include "editor/main_window.h"

#include "editor/canvas/canvas_controller.h"
#include "editor/library_commands.h"
#include "editor/line_style_menus.h"
#include "editor/number_fields.h"
#include "editor/picture_import.h"
#include "editor/print_commands.h"
#include "editor/shape_commands.h"
#include "editor/themes.h"
#include "editor/view_navigator.h"
#include "library/ui/lib_panel.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QSpinBox>
#include <QToolBar>

namespace korvo {

using C = TCommand;

void TMainDrawFrm::BindCommands()
{
    BindFileCommands();
    BindEditCommands();
    BindArrangeCommands();
    BindViewCommands();
    BindTransformToolbars();
    BindShapeMenus();
    FCommands.BindMenu(C::LineStyles, NewLineStyleMenu(this, FDrawing));
    FCommands.BindMenu(C::LineEndings, NewLineEndMenu(this, FDrawing));
    BindLibraryCommands();
    FCommands.Bind(C::About, [this] { ShowAbout(); });
}

void TMainDrawFrm::BindFileCommands()
{
    TFileCommands& files = *FFileCommands;
    FCommands.Bind(C::New, [&files] { files.New(); });
    FCommands.Bind(C::Open, [&files] { files.Open(); });
    FCommands.Bind(C::Save, [&files] { files.Save(); });
    FCommands.Bind(C::SaveAs, [&files] { files.SaveAs(); });
    FCommands.Bind(C::Import, [&files] { files.ImportBackground(); });
    FCommands.Bind(C::ImportPicture, [this] { FPictureImport->ImportChosen(); });
    FCommands.Bind(C::ExportSelection, [&files] { files.ExportSelection(); });
    FCommands.Bind(C::Print, [this, &files] { FPrint->PrintAll(files.FileName()); });
    FCommands.Bind(C::PrintSelected, [this, &files] { FPrint->PrintSelected(files.FileName()); });
    FCommands.Bind(C::PrinterSetup, [this] { FPrint->PrinterSetup(); });
    FCommands.Bind(C::PageA4, [this] { SetPageSize(210, 280); });
    FCommands.Bind(C::PageA3, [this] { SetPageSize(420, 560); });
    FCommands.Bind(C::Exit, [this] { close(); });
}

void TMainDrawFrm::SetPageSize(std::int32_t width, std::int32_t height)
{
    FDrawing.SetPageSize(width, height);
    FNavigator->PageChanged();
}

void TMainDrawFrm::BindEditCommands()
{
    FCommands.Bind(C::Undo, [this] { FDrawing.Undo(); });
    FCommands.Bind(C::Redo, [this] { FDrawing.Redo(); });
    FCommands.Bind(C::Cut, [this] { Cut(); });
    FCommands.Bind(C::Copy, [this] { Copy(); });
    FCommands.Bind(C::Paste, [this] { Paste(); });
    FCommands.Bind(C::SelectAll, [this] { FDrawing.SelectAll(); });
    FCommands.Bind(C::ClearBackground, [this] { FDrawing.ClearBackground(); });
}

void TMainDrawFrm::BindArrangeCommands()
{
    FCommands.Bind(C::Group, [this] { FDrawing.GroupSelection(); });
    FCommands.Bind(C::Ungroup, [this] { FDrawing.UngroupSelection(); });
    FCommands.Bind(C::ToFront, [this] { FDrawing.BringToFront(); });
    FCommands.Bind(C::ToBack, [this] { FDrawing.SendToBack(); });
    FCommands.Bind(C::MoveBack, [this] { FDrawing.SendBackward(); });
    FCommands.Bind(C::MoveForward, [this] { FDrawing.BringForward(); });
    FCommands.Bind(C::RotateAnticlockwise, [this] { Rotate(-1); });
    FCommands.Bind(C::RotateClockwise, [this] { Rotate(1); });
    FCommands.Bind(C::MirrorHorizontally, [this] { FDrawing.MirrorSelection(TMirrorAxis::Horizontal); });
    FCommands.Bind(C::MirrorVertically, [this] { FDrawing.MirrorSelection(TMirrorAxis::Vertical); });
}

void TMainDrawFrm::Rotate(float direction)
{
    // Shift turns by a quarter, a plain click by ten degrees; positive is clockwise on the page.
    const bool quarter = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
    FDrawing.RotateSelection(direction * (quarter ? 90.0f : 10.0f));
}

void TMainDrawFrm::BindViewCommands()
{
    FCommands.BindToggle(C::RotateToolbar, [this](bool shown) {
        RotateToolbar->setVisible(shown);
        // The rotation centre's marker shows while the rotation tool bar is open.
        FDrawing.SetShowCentre(shown);
    });
    FCommands.BindToggle(C::ScaleToolbar, [this](bool shown) { ScaleToolbar->setVisible(shown); });
    FCommands.BindToggle(C::AlignToolbar, [this](bool shown) { AlignToolbar->setVisible(shown); });
    FCommands.BindToggle(C::PolygonToolbar, [this](bool shown) { PolygonToolbar->setVisible(shown); });
    FCommands.BindToggle(C::ShowLibrary, [this](bool shown) { LibPanel->setVisible(shown); });
    FCommands.Bind(C::SmallThumbnails, [this] { FLibraryPanel->SetLargeThumbnails(false); });
    FCommands.Bind(C::LargeThumbnails, [this] { FLibraryPanel->SetLargeThumbnails(true); });
    FCommands.BindToggle(C::Grid, [this](bool on) { FDrawing.SetShowGrid(on); });
    FCommands.BindToggle(C::SnapToGrid, [this](bool on) { FCanvas->SetSnapToGrid(on); });
    FCommands.BindToggle(C::UseSpecialCursors, [this](bool on) { FCanvas->SetUseSpecialCursors(on); });
    const TCommand themes[] = { C::ThemeBlue, C::ThemeBlack, C::ThemeSilver };
    for (const TTheme theme : Themes) {
        FCommands.Bind(themes[static_cast<std::size_t>(theme)], [this, theme] {
            if (theme != ThemeTag(CurrentTheme()))
                SelectTheme(theme);
        });
    }
}

void TMainDrawFrm::BindTransformToolbars()
{
    FCommands.Bind(C::ApplyRotation, [this] { RotateByAngle(TApplyTo::Selection); });
    FCommands.Bind(C::ApplyRotationToCopy, [this] { RotateByAngle(TApplyTo::Copy); });
    FCommands.Bind(C::ApplyScale, [this] { ScaleByPercent(TApplyTo::Selection); });
    FCommands.Bind(C::ApplyScaleToCopy, [this] { ScaleByPercent(TApplyTo::Copy); });
    const std::pair<TCommand, TAlignment> alignments[]
        = { { C::AlignCentres, TAlignment::Centres }, { C::AlignCentresVertically, TAlignment::CentresOnVertical },
              { C::AlignCentresHorizontally, TAlignment::CentresOnHorizontal }, { C::AlignLeft, TAlignment::Left },
              { C::AlignRight, TAlignment::Right }, { C::AlignTop, TAlignment::Top },
              { C::AlignBottom, TAlignment::Bottom } };
    for (const auto& [id, alignment] : alignments)
        FCommands.Bind(id, [this, alignment = alignment] { FDrawing.AlignSelection(alignment); });
    FCommands.Bind(C::CreatePolygon, [this] { CreateRegularPolygon(); });
}

void TMainDrawFrm::RotateByAngle(TApplyTo target)
{
    if (const std::optional<double> degrees = AngleEdit->Take())
        FDrawing.RotateSelectionAboutCentre(static_cast<float>(*degrees), target);
}

void TMainDrawFrm::ScaleByPercent(TApplyTo target)
{
    if (const std::optional<int> percent = ScaleUpDn->Take())
        FDrawing.ScaleSelection(*percent, target);
}

void TMainDrawFrm::CreateRegularPolygon()
{
    // New polygons stand in the middle of the page's upper part, where the rotation centre starts.
    if (const std::optional<double> mm = PolyRadius->Take())
        FDrawing.AddRegularPolygon(PolySides->value(), 100, 100, static_cast<float>(*mm));
}

void TMainDrawFrm::BindShapeMenus()
{
    TShapeCommands& shape = *FShapeCommands;
    for (const TCommand id :
        { C::ConvertToPolygon, C::ConvertToPolyline, C::ConvertToOpenCurve, C::ConvertToClosedCurve })
        FCommands.Bind(id, [&shape, id] { shape.Convert(id); });
    FCommands.Bind(C::ConvertToPentagon, [&shape] { shape.ToRegularPolygon(5); });
    FCommands.Bind(C::ConvertToHexagon, [&shape] { shape.ToRegularPolygon(6); });
    FCommands.Bind(C::ConvertToStar, [&shape] { shape.ToStar(); });
    FCommands.Bind(C::EditText, [&shape] { shape.EditText(); });
    FCommands.Bind(C::EditGraphPaper, [&shape] { shape.EditGraphPaper(); });
    FCommands.Bind(C::PlotGraph, [&shape] { shape.PlotGraph(); });
    FCommands.Bind(C::DeleteNode, [&shape] { shape.DeleteNode(); });
    FCommands.Bind(C::AddNode, [&shape] { shape.AddNode(); });
}

void TMainDrawFrm::BindLibraryCommands()
{
    TLibraryCommands& library = *FLibraryCommands;
    FCommands.Bind(C::LibraryPageOrder, [&library] { library.ChangePageOrder(); });
    FCommands.Bind(C::LibraryNewPage, [&library] { library.NewPage(); });
    FCommands.Bind(C::LibraryDeletePage, [&library] { library.DeletePage(); });
    FCommands.Bind(C::LibraryMoveUp, [&library] { library.MoveEntry(-1); });
    FCommands.Bind(C::LibraryMoveDown, [&library] { library.MoveEntry(1); });
    FCommands.Bind(C::LibraryDelete, [&library] { library.DeleteEntry(); });
    FCommands.Bind(C::LibraryRenameShape, [&library] { library.RenameShape(); });
    FCommands.Bind(C::LibraryRenamePage, [&library] { library.RenamePage(); });
    FCommands.Bind(C::LibraryMoveToPage, [&library] { library.MoveToPage(); });
    FCommands.Bind(C::AddToLibrary, [this, &library] { library.AddToLibrary(FCanvas->HotShape()); });
    FCommands.Bind(C::SaveLibraryAs, [&library] { library.SaveLibraryAs(); });
    FCommands.Bind(C::UseAnotherLibrary, [&library] { library.UseAnotherLibrary(); });
}

} // namespace korvo
