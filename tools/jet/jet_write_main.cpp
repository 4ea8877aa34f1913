// jet-write DESCRIPTION OUTPUT: builds a Jet 4 database from its readable
// description. Exit 0 on success, 1 on a bad description or a failed write,
// 2 on wrong usage.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "jet_writer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: jet-write DESCRIPTION OUTPUT\n"
                 "Writes the Jet 4 (Access 2000) database described by DESCRIPTION to OUTPUT.\n";
    return 2;
  }
  const std::string description = argv[1];
  const std::string output = argv[2];

  std::ifstream in(description, std::ios::binary);
  if (!in) {
    std::cerr << "jet-write: cannot open " << description << ": " << std::strerror(errno) << "\n";
    return 1;
  }
  jet::DatabaseData data;
  try {
    data = jet::parseDescription(in);
  } catch (const jet::JetError& e) {
    std::cerr << "jet-write: " << description << ": " << e.what() << "\n";
    return 1;
  }
  try {
    jet::writeJet4(output, data);
  } catch (const jet::JetError& e) {
    std::cerr << "jet-write: " << output << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
