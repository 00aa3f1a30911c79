#include "tools/svg_candidates/convert_svg_file.h"

int main(int argc, char* argv[]) { return korvo::ConvertSvgFile(argc, argv, korvo::ReadSvg); }
