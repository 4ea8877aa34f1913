// bad-corpus: the damaged inputs of the bad-input test corpus.
//
//   bad-corpus write DESCRIPTION OUTPUT   as jet-write, but "<LF>" in a text
//                                         value becomes a line feed, which the
//                                         description format cannot hold
//   bad-corpus damage GOOD.mdb FOLDER     zero-byte, random, truncated and
//                                         bit-flipped files made from GOOD
//
// The same input always gives the same files. Exit 0 on success, 1 on failure,
// 2 on wrong usage.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "jet/jet_writer.h"

namespace {

constexpr size_t kPage = 4096;  // Jet 4 page size

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
  for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
}

int writeDescription(const std::string& description, const std::string& output) {
  std::ifstream in(description, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + description);
  jet::DatabaseData data = jet::parseDescription(in);
  for (auto& table : data.tables)
    for (auto& row : table.rows)
      for (auto& cell : row)
        if (auto* text = std::get_if<std::string>(&cell)) replaceAll(*text, "<LF>", "\n");
  jet::writeJet4(output, data);
  return 0;
}

void save(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

// Flips `count` bits chosen by `seed` within [first, last) of a copy of `good`.
std::string flipped(const std::string& good, size_t first, size_t last, unsigned seed, int count) {
  std::string bytes = good;
  std::mt19937 random(seed);
  std::uniform_int_distribution<size_t> where(first, last - 1);
  for (int i = 0; i < count; ++i) bytes[where(random)] ^= static_cast<char>(1u << (random() % 8));
  return bytes;
}

int damage(const std::string& goodPath, const std::filesystem::path& folder) {
  std::ifstream in(goodPath, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  const std::string good = s.str();
  if (!in || good.size() < 4 * kPage || good.size() % kPage != 0)
    throw std::runtime_error(goodPath + " is not a Jet file of several pages");
  std::filesystem::create_directories(folder);
  const size_t pages = good.size() / kPage;

  save(folder / "empty.bvp", "");
  std::mt19937 random(8);
  std::string noise(16 * kPage, '\0');
  for (auto& c : noise) c = static_cast<char>(random());
  save(folder / "random.bvp", noise);
  save(folder / "truncated-in-header.bvp", good.substr(0, 2000));
  save(folder / "truncated-to-header.bvp", good.substr(0, kPage));
  save(folder / "truncated-half.bvp", good.substr(0, pages / 2 * kPage));
  save(folder / "truncated-mid-page.bvp", good.substr(0, good.size() - kPage / 2));
  // Bits flipped in the header page, in the catalog (page 2 holds the
  // MSysObjects rows), and anywhere in the file.
  save(folder / "flipped-header.bvp", flipped(good, 0, kPage, 1, 8));
  save(folder / "flipped-catalog.bvp", flipped(good, 2 * kPage, 3 * kPage, 2, 16));
  for (unsigned seed = 1; seed <= 4; ++seed)
    save(folder / ("flipped-anywhere-" + std::to_string(seed) + ".bvp"),
         flipped(good, 0, good.size(), seed, 64));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() != 3 || (args[0] != "write" && args[0] != "damage")) {
    std::cerr << "usage: bad-corpus write DESCRIPTION OUTPUT\n"
                 "       bad-corpus damage GOOD.mdb FOLDER\n";
    return 2;
  }
  try {
    return args[0] == "write" ? writeDescription(args[1], args[2]) : damage(args[1], args[2]);
  } catch (const std::exception& e) {
    std::cerr << "bad-corpus: " << args[1] << ": " << e.what() << '\n';
    return 1;
  }
}
