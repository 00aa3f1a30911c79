#include "tools/svg_candidates/convert_svg_file.h"
#include "tools/svg_candidates/qt_renderer_reader.h"

int main(int argc, char* argv[]) { return korvo::ConvertSvgFile(argc, argv, korvo::ReadSvgWithQtRenderer); }
