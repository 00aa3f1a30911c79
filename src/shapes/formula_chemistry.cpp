#include "shapes/formula_chemistry.h"

#include <QSet>

namespace korvo {

namespace {

    // The elements, with deuterium and tritium, which school formulas write as elements (D2O).
    const QSet<QString>& ElementSymbols()
    {
        static const QSet<QString> symbols = [] {
            QSet<QString> set;
            for (const char* s : { "H", "D", "T", "He", "Li", "Be", "B", "C", "N", "O", "F", "Ne", "Na", "Mg", "Al",
                     "Si", "P", "S", "Cl", "Ar", "K", "Ca", "Sc", "Ti", "V", "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn",
                     "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb", "Sr", "Y", "Zr", "Nb", "Mo", "Tc", "Ru", "Rh", "Pd",
                     "Ag", "Cd", "In", "Sn", "Sb", "Te", "I", "Xe", "Cs", "Ba", "La", "Ce", "Pr", "Nd", "Pm", "Sm",
                     "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta", "W", "Re", "Os", "Ir", "Pt",
                     "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac", "Th", "Pa", "U", "Np", "Pu",
                     "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr", "Rf", "Db", "Sg", "Bh", "Hs", "Mt", "Ds",
                     "Rg", "Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og" })
                set.insert(QString::fromLatin1(s));
            return set;
        }();
        return symbols;
    }

    // Walks one line, species by species. A species is what stands between spaces and operators:
    // element symbols, brackets and the digits that count them.
    class TChemistryLine {
    public:
        explicit TChemistryLine(const QString& line)
            : FLine(line)
            , FPlaces(static_cast<std::size_t>(line.size()), TRunPlace::Line)
        {
        }

        std::vector<TRunPlace> Places()
        {
            while (FAt < FLine.size())
                Step();
            return std::move(FPlaces);
        }

    private:
        void Step()
        {
            const QChar c = FLine[FAt];
            if (c.isUpper() && ReadElement())
                return;
            if (IsAsciiDigit(c) && FCounted) {
                ReadCount();
                return;
            }
            if (IsFormulaSign(c) && FCounted && EndsSpecies(FAt + 1)) {
                Place(FAt, FAt + 1, TRunPlace::Super);
                ++FAt;
                EndSpecies();
                return;
            }
            if (c == QLatin1Char(')') || c == QLatin1Char(']')) {
                ++FAt;
                FCounted = true;
                FDigitIsCharge = true;
                return;
            }
            if (c == QLatin1Char('e') && IsElectron()) {
                ++FAt;
                FCounted = true;
                return;
            }
            ++FAt;
            if (c.isLetter() || c == QLatin1Char('(') || c == QLatin1Char('['))
                FCounted = false;
            else
                EndSpecies();
        }

        // The longest element symbol at FAt; false when none starts there.
        bool ReadElement()
        {
            for (const qsizetype length : { 2, 1 }) {
                const QString symbol = FLine.mid(FAt, length);
                if (symbol.size() != length || (length == 2 && !symbol[1].isLower())
                    || !ElementSymbols().contains(symbol))
                    continue;
                FAt += length;
                FDigitIsCharge = FAtoms == 0;
                ++FAtoms;
                FCounted = true;
                return true;
            }
            return false;
        }

        // Digits counting what stands before them. When a charge sign ends the species after them, the
        // last digit is the charge's, unless it is the only digit after the second atom of a species:
        // Cu2+, SO42- and [Cu(NH3)4]2+ carry a charge of two, NH4+ and NO3- count four and three atoms.
        void ReadCount()
        {
            qsizetype end = FAt;
            while (end < FLine.size() && IsAsciiDigit(FLine[end]))
                ++end;
            const bool charged = end < FLine.size() && IsFormulaSign(FLine[end]) && EndsSpecies(end + 1);
            const bool lastIsCharge = charged && (end - FAt > 1 || FDigitIsCharge);
            const qsizetype countEnd = lastIsCharge ? end - 1 : end;
            Place(FAt, countEnd, TRunPlace::Sub);
            FAt = countEnd;
            FDigitIsCharge = false;
            if (lastIsCharge) {
                Place(countEnd, end + 1, TRunPlace::Super);
                FAt = end + 1;
                EndSpecies();
            }
        }

        // A lone e, as in e- or 2e-: the electron.
        bool IsElectron() const
        {
            const bool alone = FAt == 0 || !FLine[FAt - 1].isLetter();
            return alone && FAt + 1 < FLine.size() && IsFormulaSign(FLine[FAt + 1]) && EndsSpecies(FAt + 2);
        }

        // Whether a species ends before index i: a charge is not followed by more of a name or number.
        bool EndsSpecies(qsizetype i) const
        {
            return i >= FLine.size() || !(FLine[i].isLetterOrNumber() || IsFormulaSign(FLine[i]));
        }

        void EndSpecies()
        {
            FCounted = false;
            FDigitIsCharge = false;
            FAtoms = 0;
        }

        void Place(qsizetype from, qsizetype to, TRunPlace place)
        {
            for (qsizetype i = from; i < to; ++i)
                FPlaces[static_cast<std::size_t>(i)] = place;
        }

        const QString& FLine;
        std::vector<TRunPlace> FPlaces;
        qsizetype FAt = 0;
        // Whether digits here would count what stands before them.
        bool FCounted = false;
        // Whether a single digit before a charge sign here is the charge: after a species' first atom
        // or a closing bracket.
        bool FDigitIsCharge = false;
        int FAtoms = 0;
    };

} // namespace

std::vector<TRunPlace> ChemistryPlaces(const QString& line) { return TChemistryLine(line).Places(); }

} // namespace korvo
