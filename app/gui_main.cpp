// The desktop program.
#include <QApplication>
#include <QStringList>

#include <clocale>
#include <cstdio>
#include <cstring>

#include "shell/startup.h"

namespace {

QStringList argumentList(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  // --help needs no display, so it is answered before Qt looks for one.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) break;
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(qPrintable(tarvello::usageText()), stdout);
      return 0;
    }
  }

  QApplication app(argc, argv);  // takes out the options Qt itself knows
  // QApplication sets the locale from the environment; the core formats
  // numbers with the C library and needs "." as the decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName("Tarvello");
  QApplication::setOrganizationName("Tarvello");
  QApplication::setApplicationVersion("0.1.0");

  const tarvello::StartupOptions options =
      tarvello::parseStartupArguments(argumentList(argc, argv));
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "tarvello: %s\n", qPrintable(options.error));
    std::fputs(qPrintable(tarvello::usageText()), stderr);
    return 2;
  }
  return tarvello::runProgram(app, options);
}
