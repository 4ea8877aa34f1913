#pragma once
// What an operation that writes a file hands back: the file is either written
// whole, left alone because it exists and was not to be replaced, or not
// written, with the message that tells the user why.
#include <string>

namespace tarvello {

struct WriteResult {
  enum class Status { Written, Exists, Failed };
  Status status = Status::Failed;
  std::string path;
  std::string message;  // the failure, worded for the user (Failed only)
  // Written only: what the user still needs to be told of a file that was
  // written, such as that it is saved but not confirmed on disk.
  std::string notice;

  bool written() const { return status == Status::Written; }

  static WriteResult wrote(std::string p, std::string n = {}) {
    return {Status::Written, std::move(p), {}, std::move(n)};
  }
  static WriteResult exists(std::string p) { return {Status::Exists, std::move(p), {}, {}}; }
  static WriteResult failed(std::string p, std::string m) {
    return {Status::Failed, std::move(p), std::move(m), {}};
  }
};

// Whether an operation may replace a file that is already there.
enum class Overwrite { No, Yes };

}  // namespace tarvello
