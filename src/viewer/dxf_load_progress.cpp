#include "viewer/dxf_load_progress.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <new>
#include <thread>

namespace tarvello {

DxfReadResult readDxfWithProgress(const QString& path, QWidget* parent) {
  constexpr int kSteps = 1000;
  std::atomic<int> step{0};
  std::atomic<bool> cancel{false};
  std::atomic<bool> done{false};
  DxfReadResult result;
  const std::string file = path.toStdString();

  std::thread worker([&] {
    try {
      result = readDxfFile(file, [&](double fraction) {
        step.store(static_cast<int>(fraction * kSteps));
        return !cancel.load();
      });
    } catch (const std::bad_alloc&) {
      result = DxfReadResult{};
      result.error = "There is not enough memory to read " +
                     QFileInfo(path).fileName().toStdString() + ".";
    }
    done.store(true);
  });

  // A busy bar while the text is checked, before the entities are counted.
  QProgressDialog progress("Reading " + QFileInfo(path).fileName() + "...", "Cancel", 0, 0, parent);
  progress.setObjectName("dxfReadProgress");
  progress.setWindowTitle("DXF Profile View");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(400);  // small drawings open without a flash of it
  progress.setAutoReset(false);
  progress.setAutoClose(false);

  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (done.load()) {
      loop.quit();
      return;
    }
    if (progress.wasCanceled()) {
      cancel.store(true);
    } else if (const int at = step.load(); at > 0) {
      if (progress.maximum() == 0) progress.setRange(0, kSteps);
      progress.setValue(at);
    }
  });
  poll.start(30);
  if (!done.load()) loop.exec();
  poll.stop();
  worker.join();
  progress.close();
  return result;
}

}  // namespace tarvello
