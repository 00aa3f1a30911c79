#pragma once

// The pages of the library shipped with the program, in the order the page list shows them. Their
// names are written in English, each marked in the "korvo::LibraryNames" context, which the library
// panel shows in the user's language.

#include "shapes/polygon.h"

#include <QString>

#include <vector>

namespace korvo::tools {

struct TPictureEntry {
    QString Name;
    TPolygon Shape;
};

struct TPicturePage {
    QString Name;
    std::vector<TPictureEntry> Entries;

    void Add(const char* name, TPolygon shape) { Entries.push_back({ QString::fromUtf8(name), std::move(shape) }); }
};

TPicturePage GlasswarePage();
TPicturePage HeatingPage();
TPicturePage ElectricityPage();
TPicturePage OpticsPage();
TPicturePage ForcesPage();
TPicturePage BiologyPage();
TPicturePage SpacePage();

} // namespace korvo::tools
