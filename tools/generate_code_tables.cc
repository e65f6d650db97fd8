// Generates src/decoder/code_tables.h from src/decoder/code_tables.txt:
//   generate_code_tables SOURCE OUTPUT
#include <cstdio>
#include <fstream>

#include "code_table_header.h"
#include "code_table_source.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: generate_code_tables SOURCE OUTPUT\n");
    return 2;
  }
  std::vector<code_table_entry> entries;
  std::string header;
  std::string error;
  if (!read_code_table_source(argv[1], entries, error) ||
      !write_code_tables_header(entries, header, error)) {
    std::fprintf(stderr, "generate_code_tables: %s\n", error.c_str());
    return 1;
  }
  std::ofstream output(argv[2], std::ios::binary);
  output << header;
  output.close();
  if (!output) {
    std::fprintf(stderr, "generate_code_tables: %s: cannot write\n", argv[2]);
    return 1;
  }
  return 0;
}
