#pragma once

#include "shapes/polygon.h"

#include <QString>

#include <optional>
#include <vector>

namespace korvo {

// A formula is text whose runs sit on the line, lowered as subscripts or raised as superscripts. It is
// stored as an ordinary group of text shapes, one per run, so every reader of drawings shows it.

enum class TRunPlace { Line, Sub, Super };

// Characters of one size and baseline.
struct TFormulaRun {
    QString Text;
    TRunPlace Place = TRunPlace::Line;

    friend bool operator==(const TFormulaRun& a, const TFormulaRun& b)
    {
        return a.Text == b.Text && a.Place == b.Place;
    }
    friend bool operator!=(const TFormulaRun& a, const TFormulaRun& b) { return !(a == b); }
};

// Runs in reading order; neighbouring runs never share a place.
using TFormulaLine = std::vector<TFormulaRun>;

struct TFormula {
    std::vector<TFormulaLine> Lines;

    friend bool operator==(const TFormula& a, const TFormula& b) { return a.Lines == b.Lines; }
    friend bool operator!=(const TFormula& a, const TFormula& b) { return !(a == b); }
};

// A formula as the user types it, with the state of the chemistry switch.
struct TTypedFormula {
    QString Text;
    bool Chemistry = false;

    friend bool operator==(const TTypedFormula& a, const TTypedFormula& b)
    {
        return a.Text == b.Text && a.Chemistry == b.Chemistry;
    }
    friend bool operator!=(const TTypedFormula& a, const TTypedFormula& b) { return !(a == b); }
};

// Lines end at LF, CR or CR LF. Markup: `_` lowers and `^` raises the next character or a {braced
// group}, a sign with the digits after it (`s^-1`); `\_`, `\^`, `\{`, `\}` and `\\` stand for the characters
// themselves. Markup that cannot be read is kept as typed, on the line: a `_` or `^` at the end, before a space or
// before another `_`,
// `^` or `}`; a `{` that its line never closes; an empty group; `_` and `^` inside a group (no markup in
// markup). With chemistry on, digits after an element symbol or a closing bracket are lowered and a
// charge ending a species is raised; markup wins where both apply. No character is ever dropped.
TFormula ParseFormula(const QString& typed, bool chemistry);
inline TFormula ParseFormula(const TTypedFormula& typed) { return ParseFormula(typed.Text, typed.Chemistry); }

// Whether every line is at most one run on the line: such a formula is an ordinary text.
bool IsPlain(const TFormula& formula);

// The group of text shapes that shows the formula, one text shape per run in reading order, laid out
// from a text shape as the text tool makes it (its font, colour and style; its frame's first point is
// the top-left corner and the second the direction in which lines follow; its own text is not used). Raised and lowered
// runs are 60 % of the size, their baselines a sixth of the size below and a third above the line's; lines are a font
// height apart. The group's own text keeps the typed formula. Nothing when the formula has no characters or holds a
// character that no character set can store; the caller tells the user, as for a plain text.
std::optional<TPolygon> MakeFormulaGroup(const TTypedFormula& typed, const TPolygon& textTemplate, float scale);

struct TFormulaGroupInfo {
    // What the user typed when the group keeps it and it still gives these runs, otherwise the runs
    // written back.
    TTypedFormula Typed;
    TFormula Formula;
    // A text shape with the font and turn of the runs on the line, its frame at the formula's top-left
    // corner: MakeFormulaGroup with it rebuilds the group in place.
    TPolygon Template;
};

// Reads a group of text shapes back as a formula; nothing when the shape is not a group of texts.
std::optional<TFormulaGroupInfo> ReadFormulaGroup(const TPolygon& group);

// The formula as the user would type it: plain text with chemistry on when the chemistry rules give
// exactly these runs and some run is raised or lowered, otherwise markup with chemistry off. A plain
// text shape's text written back this way keeps its `_`, `^` and braces as characters.
TTypedFormula WriteFormulaBack(const TFormula& formula);

} // namespace korvo
