#pragma once
// Helpers for tests that write drawing files: a scratch folder, file reading,
// golden files, and a second opinion from ezdxf.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tarvello::testing {

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvello-XXXXXX").string();
    if (char* made = ::mkdtemp(pattern.data())) path_ = made;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // Names of everything in the folder, for spotting left-over temporary files.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_))
      names.push_back(e.path().filename().string());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// A golden file holds one line per line of the expected drawing (LF ends, so
// that it reads well); the drawing itself ends every line with CR LF.
inline std::string goldenAsWritten(const std::string& goldenPath) {
  std::ifstream in(goldenPath, std::ios::binary);
  std::string line, bytes;
  while (std::getline(in, line)) bytes += line + "\r\n";
  return bytes;
}

inline std::vector<std::string> linesOf(const std::string& crlfText) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < crlfText.size()) {
    size_t end = crlfText.find("\r\n", start);
    if (end == std::string::npos) end = crlfText.size();
    lines.push_back(crlfText.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

inline bool ezdxfAvailable() {
  return std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0;
}

// What ezdxf makes of a file: "errors", "fixes" (from its auditor) and the
// number of model-space entities of each type, or "failed" when it could not
// read the file at all.
inline std::map<std::string, int> ezdxfCounts(const std::string& dxfPath,
                                              const std::filesystem::path& scratch) {
  const auto script = scratch / "ezdxf_counts.py";
  {
    std::ofstream py(script);
    py << "import sys, collections, ezdxf\n"
          "try:\n"
          "    doc = ezdxf.readfile(sys.argv[1])\n"
          "except Exception as e:\n"
          "    print('failed 1'); sys.exit(0)\n"
          "audit = doc.audit()\n"
          "print('errors', len(audit.errors))\n"
          "print('fixes', len(audit.fixes))\n"
          "for k, v in collections.Counter(e.dxftype() for e in doc.modelspace()).items():\n"
          "    print(k, v)\n";
  }
  const std::string command = "/usr/bin/python3 '" + script.string() + "' '" + dxfPath + "'";
  std::map<std::string, int> counts;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char name[64];
    int n = 0;
    while (std::fscanf(pipe, "%63s %d", name, &n) == 2) counts[name] = n;
    ::pclose(pipe);
  } else {
    counts["failed"] = 1;
  }
  return counts;
}

}  // namespace tarvello::testing
