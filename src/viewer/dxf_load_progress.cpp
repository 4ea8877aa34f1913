#include "viewer/dxf_load_progress.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <memory>
#include <new>
#include <system_error>
#include <thread>

namespace tarvello {
namespace {

DxfReadResult lackOfMemory(const QString& path) {
  DxfReadResult result;
  result.error =
      "There is not enough memory to read " + QFileInfo(path).fileName().toStdString() + ".";
  return result;
}

}  // namespace

DxfReadResult readDxfWithProgress(const QString& path, QWidget* parent) {
  const std::string file = path.toStdString();
  if (QFileInfo(path).size() <= kReadWithProgressAbove) return readDxfFile(file);

  constexpr int kSteps = 1000;
  // Shared with the worker, which may outlive a failed start of the dialog.
  struct Shared {
    std::atomic<int> step{0};
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    DxfReadResult result;
  };
  auto shared = std::make_shared<Shared>();
  std::thread worker;
  try {
    worker = std::thread([shared, file, path] {
      try {
        shared->result = readDxfFile(file, [&](double fraction) {
          shared->step.store(static_cast<int>(fraction * kSteps));
          return !shared->cancel.load();
        });
      } catch (const std::bad_alloc&) {
        shared->result = lackOfMemory(path);
      }
      shared->done.store(true);
    });
  } catch (const std::system_error&) {
    return readDxfFile(file);  // no thread to be had: read here, without progress
  }

  // Shown at once and window-modal, so the window under it takes no command
  // while it waits. A busy bar while the text is checked, then the share read.
  QProgressDialog progress("Reading " + QFileInfo(path).fileName() + "...", "Cancel", 0, 0, parent);
  progress.setObjectName("dxfReadProgress");
  progress.setWindowTitle("DXF Profile View");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setAutoReset(false);
  progress.setAutoClose(false);
  progress.show();

  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (shared->done.load()) {
      loop.quit();
      return;
    }
    if (progress.wasCanceled()) {
      shared->cancel.store(true);
      progress.setLabelText("Stopping...");
    } else if (const int at = shared->step.load(); at > 0) {
      if (progress.maximum() == 0) progress.setRange(0, kSteps);
      progress.setValue(at);
    }
  });
  poll.start(30);
  if (!shared->done.load()) loop.exec();
  poll.stop();
  worker.join();
  progress.close();
  return std::move(shared->result);
}

}  // namespace tarvello
