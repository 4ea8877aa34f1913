// tarvello-viewer-bench [ENTITIES] [FILE]: the drawing viewer on a very large
// drawing (default one million entities, written to FILE or a temporary
// file, laid out like All Pipe Profiles: sheets of lines, polylines and
// texts). Each phase runs in a child process of its own, so its time and
// peak memory are its own:
//   floor   reading the file with dxflib alone (entities handed to nothing)
//   viewer  the viewer window opening the file, up to its first painted frame
// and then, in the viewer's process, repaints of the whole drawing, of a
// zoomed-in part and of a panned view. Times and memory are printed as
// ratios against the floor, with the absolute figures beside them.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScrollBar>

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "viewer/drawing_view.h"
#include "viewer/dxf_view_window.h"

namespace {

// Sheets of 50 entities: 30 lines, 5 polylines of 4 points, 15 texts.
void writeDrawing(const std::string& path, long entities) {
  std::ofstream out(path, std::ios::binary);
  out << "0\nSECTION\n2\nENTITIES\n";
  long written = 0;
  for (long sheet = 0; written < entities; ++sheet) {
    const double x0 = static_cast<double>(sheet % 100) * 900.0;
    const double y0 = static_cast<double>(sheet / 100) * 700.0;
    for (int i = 0; i < 30 && written < entities; ++i, ++written)
      out << "0\nLINE\n8\n"
          << (i % 3) << "\n62\n"
          << (1 + i % 7) << "\n10\n"
          << x0 + i * 20 << "\n20\n"
          << y0 << "\n11\n"
          << x0 + i * 20 + 15 << "\n21\n"
          << y0 + 500 << "\n";
    for (int i = 0; i < 5 && written < entities; ++i, ++written) {
      out << "0\nPOLYLINE\n8\n2\n66\n1\n70\n0\n";
      for (int k = 0; k < 4; ++k)
        out << "0\nVERTEX\n8\n2\n10\n"
            << x0 + 600 + k * 40 << "\n20\n"
            << y0 + 100 + i * 60 + (k % 2) * 30 << "\n";
      out << "0\nSEQEND\n8\n2\n";
    }
    for (int i = 0; i < 15 && written < entities; ++i, ++written)
      out << "0\nTEXT\n8\n1\n10\n"
          << x0 + 10 << "\n20\n"
          << y0 + 520 + i * 10 << "\n40\n4\n1\nSTA " << sheet << "+" << i << " INV 101.25\n";
  }
  out << "0\nENDSEC\n0\nEOF\n";
}

struct Measure {
  double seconds = 0;
  double peakMb = 0;
  std::string note;
};

// Runs `phase` in a child process; its wall time, peak memory and the line it
// printed on the pipe.
template <typename Phase>
Measure inChild(Phase phase) {
  int fds[2];
  if (::pipe(fds) != 0) std::exit(2);
  std::fflush(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    const std::string note = phase();
    const ssize_t ignored = ::write(fds[1], note.data(), note.size());
    (void)ignored;
    ::_exit(0);
  }
  ::close(fds[1]);
  Measure m;
  char buffer[4096];
  for (ssize_t got; (got = ::read(fds[0], buffer, sizeof buffer)) > 0;)
    m.note.append(buffer, size_t(got));
  ::close(fds[0]);
  int status = 0;
  struct rusage usage {};
  ::wait4(pid, &status, 0, &usage);
  m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  m.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
  return m;
}

double msOf(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char** argv) {
  const long entities = argc > 1 ? std::atol(argv[1]) : 1000000;
  const std::string path =
      argc > 2 ? argv[2]
               : (std::filesystem::temp_directory_path() / "tarvello-viewer-bench.dxf").string();
  if (argc <= 2 || !std::filesystem::exists(path)) writeDrawing(path, entities);
  std::printf("drawing: %s, %.0f MB, %ld entities\n", path.c_str(),
              static_cast<double>(std::filesystem::file_size(path)) / 1e6, entities);

  const Measure floor = inChild([&] {
    DL_CreationAdapter nothing;
    DL_Dxf dxf;
    return std::string(dxf.in(path, &nothing) ? "read" : "failed");
  });

  const Measure viewer = inChild([&] {
    QElapsedTimer sinceStart;
    sinceStart.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qargc = 1;
    char name[] = "tarvello-viewer-bench";
    char* qargv[] = {name, nullptr};
    QApplication app(qargc, qargv);
    tarvello::DxfViewWindow window;
    window.resize(1200, 800);
    window.show();
    const QString error = window.loadFile(QString::fromStdString(path));
    if (!error.isEmpty()) return "failed: " + error.toStdString();
    QWidget* viewport = window.drawingView()->viewport();
    QPixmap frame = viewport->grab();  // the first painted frame
    const double firstFrame = msOf(sinceStart) / 1000;
    char line[256];
    QElapsedTimer t;
    t.start();
    frame = viewport->grab();
    const double whole = msOf(t);
    window.drawingView()->scale(40, 40);
    t.restart();
    frame = viewport->grab();
    const double zoomed = msOf(t);
    auto* bar = window.drawingView()->horizontalScrollBar();
    t.restart();
    for (int i = 0; i < 10; ++i) {
      bar->setValue(bar->value() + 40);
      frame = viewport->grab();
    }
    const double panned = msOf(t) / 10;
    std::snprintf(line, sizeof line,
                  "%.3f repaint: whole drawing %.0f ms, zoomed x40 %.1f ms, pan step %.1f ms",
                  firstFrame, whole, zoomed, panned);
    return std::string(line);
  });

  std::printf("floor (dxflib alone):  %.2f s, %.0f MB peak (%s)\n", floor.seconds, floor.peakMb,
              floor.note.c_str());
  if (viewer.note.rfind("failed", 0) == 0) {
    std::printf("viewer %s\n", viewer.note.c_str());
    return 1;
  }
  const double firstFrame = std::atof(viewer.note.c_str());
  std::printf("viewer to first frame: %.2f s, %.0f MB peak (target: under 3 s and 1024 MB)\n",
              firstFrame, viewer.peakMb);
  std::printf("ratios: time %.2fx, memory %.2fx the floor\n", firstFrame / floor.seconds,
              viewer.peakMb / floor.peakMb);
  std::printf("%s\n", viewer.note.substr(viewer.note.find(' ') + 1).c_str());
  return 0;
}
