// number-texts FILE...: every number text the tables, drawings, workbook and
// criteria files would show for the texts in the files, one input a line.
// Built for the desktop and for the web; the two outputs must be equal.
// A file ending in .csv gives each of its cells; any other file is one text
// whose first bytes are also taken as the bits of a double and a float.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "common/number_format.h"

namespace {

using namespace tarvello;

void printTexts(double x) {
  std::string line = numberText(x);
  for (int decimals = -1; decimals <= 6; ++decimals) line += '|' + formatFixed(x, decimals);
  line += '|' + singleGeneral(x) + '|' + shortestText(x);
  if (std::isfinite(x) && std::fabs(x) <= 3.4e38)
    line += '|' + shortestSingle(static_cast<float>(x));
  std::printf("%s\n", line.c_str());
}

void printText(const std::string& text) {
  const auto value = parseNumber(text);
  std::printf("%s\n", value ? numberText(*value).c_str() : "-");
  if (value) printTexts(*value);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "number-texts: cannot read %s\n", argv[i]);
      return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string name = argv[i];
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".csv") == 0) {
      std::string cell;
      for (const char c : bytes) {
        if (c == ',' || c == '\n' || c == '\r') {
          printText(cell);
          cell.clear();
        } else if (c != '"') {
          cell += c;
        }
      }
      printText(cell);
      continue;
    }
    printText(bytes);
    if (bytes.size() >= sizeof(double)) {
      double d;
      std::memcpy(&d, bytes.data(), sizeof d);
      printTexts(d);
      float f;
      std::memcpy(&f, bytes.data(), sizeof f);
      std::printf("%s\n", shortestSingle(f).c_str());
    }
  }
  return 0;
}
