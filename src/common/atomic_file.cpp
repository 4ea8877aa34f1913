#include "common/atomic_file.h"

#include <cerrno>
#include <random>
#include <system_error>

namespace tarvello {

namespace fs = std::filesystem;

std::string systemReason(int error) {
  return std::error_code(error ? error : EIO, std::generic_category()).message();
}

AtomicFile::AtomicFile(fs::path target) : target_(std::move(target)) {}

AtomicFile::~AtomicFile() { discard(); }

bool AtomicFile::open() {
  if (out_) return true;
  const fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
  std::random_device seed;
  std::mt19937 random(seed());
  int openError = 0;
  for (int attempt = 0; attempt < 20 && !out_; ++attempt) {
    temporary_ =
        folder / ("." + target_.filename().string() + ".tmp" + std::to_string(random() % 1000000));
    errno = 0;
    // "x": never take over a file that appeared meanwhile.
    out_ = std::fopen(temporary_.string().c_str(), "wbx");
    openError = errno;
    if (!out_ && openError != EEXIST) break;
  }
  if (!out_) {
    temporary_.clear();
    error_ = systemReason(openError);
    return false;
  }
  writeError_ = 0;
  error_.clear();
  return true;
}

void AtomicFile::write(std::string_view text) {
  if (!out_ || writeError_ || text.empty()) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), out_) != text.size())
    writeError_ = errno ? errno : EIO;
}

std::string AtomicFile::close() {
  if (!out_) return temporary_.empty() ? (error_.empty() ? "the file was not opened" : error_) : "";
  errno = 0;
  if (std::fflush(out_) != 0 && !writeError_) writeError_ = errno ? errno : EIO;
  errno = 0;
  const int closed = std::fclose(out_);
  out_ = nullptr;
  if (closed != 0 && !writeError_) writeError_ = errno ? errno : EIO;
  if (writeError_) {
    error_ = systemReason(writeError_);
    discard();
    return error_;
  }
  return "";
}

std::string AtomicFile::commit() {
  if (std::string problem = close(); !problem.empty()) return problem;
  std::error_code ec;
  fs::rename(temporary_, target_, ec);
  if (ec) {
    error_ = ec.message();
    discard();
    return error_;
  }
  committed_ = true;
  temporary_.clear();
  return "";
}

void AtomicFile::discard() {
  if (out_) {
    std::fclose(out_);
    out_ = nullptr;
  }
  if (!committed_ && !temporary_.empty()) {
    std::error_code ignored;
    fs::remove(temporary_, ignored);
    temporary_.clear();
  }
}

std::string writeFileAtomically(const std::string& path, std::string_view contents) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return "it is a folder";
  AtomicFile file{fs::path(path)};
  if (!file.open()) return file.error();
  file.write(contents);
  return file.commit();
}

}  // namespace tarvello
