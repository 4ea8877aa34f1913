#pragma once
// SHA-256 (FIPS 180-4), compiled alike by the desktop and the page, so that a
// set's manifest says the same of the same bytes wherever it was made.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvello {

class Sha256 {
 public:
  Sha256();
  void update(std::string_view bytes);
  // The digest as 64 lower-case hex digits; the object is spent afterwards.
  std::string hex();

 private:
  void block(const unsigned char* p);
  std::array<std::uint32_t, 8> state_;
  std::array<unsigned char, 64> pending_{};
  std::size_t pendingSize_ = 0;
  std::uint64_t length_ = 0;
};

std::string sha256Hex(std::string_view bytes);
// The digest of a file's bytes, or "" with the reason in `error`.
std::string sha256OfFile(const std::string& path, std::string& error);

}  // namespace tarvello
