#pragma once

// The drawings of the help's tutorials, one picture per step, and of the splash picture.

#include <QString>

namespace korvo::tools {

// Each saves its pictures in the folder, named after its help page.
void SimpleShapesTutorial(const QString& folder);
void BeakerTutorial(const QString& folder);
void TubesTutorial(const QString& folder);
void CircuitsTutorial(const QString& folder);
void GlasswareTutorial(const QString& folder);
void BiologyTutorial(const QString& folder);
void GraphTutorial(const QString& folder);

// The program's picture for the splash window and the About box, saved as the file.
void SaveSplashDrawing(const QString& fileName);

} // namespace korvo::tools
