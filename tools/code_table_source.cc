// Reads the UTF-8 source of the code tables and converts its text to Shift-JIS.
#include "code_table_source.h"

#include <iconv.h>

#include <fstream>
#include <sstream>

namespace {

// Turns the quoted text of a source line into its bytes: "\n" is a line feed, all else literal.
int unquote_text(const std::string& quoted, std::string& text) {
  if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') return 0;
  text.clear();
  for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
    if (quoted[i] == '\\') {
      if (i + 2 >= quoted.size() || quoted[i + 1] != 'n') return 0;
      text += '\n';
      ++i;
    } else {
      text += quoted[i];
    }
  }
  return 1;
}

// Splits "table 0xCODE "text"" into its three fields.
int parse_entry_line(const std::string& line, code_table_entry& entry) {
  std::size_t first_space = line.find(' ');
  if (first_space == std::string::npos) return 0;
  std::size_t second_space = line.find(' ', first_space + 1);
  if (second_space == std::string::npos) return 0;
  entry.table = line.substr(0, first_space);
  std::string code = line.substr(first_space + 1, second_space - first_space - 1);
  if (code.size() < 3 || code.compare(0, 2, "0x") != 0 ||
      code.find_first_not_of("0123456789ABCDEF", 2) != std::string::npos) {
    return 0;
  }
  entry.code = static_cast<unsigned>(std::stoul(code.substr(2), nullptr, 16));
  return unquote_text(line.substr(second_space + 1), entry.text);
}

}  // namespace

int read_code_table_source(const std::string& path, std::vector<code_table_entry>& entries,
                           std::string& error) {
  std::ifstream file(path);
  if (!file) {
    error = path + ": cannot open";
    return 0;
  }
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (line.empty() || line[0] == '#') continue;
    code_table_entry entry;
    entry.line = number;
    if (!parse_entry_line(line, entry)) {
      std::ostringstream message;
      message << path << ':' << number << ": malformed entry";
      error = message.str();
      return 0;
    }
    entries.push_back(entry);
  }
  return 1;
}

int convert_to_shift_jis(const std::string& utf8, std::string& shift_jis) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return 0;
  std::string in = utf8;
  std::string out(in.size() * 2 + 1, '\0');
  char* in_next = in.data();
  std::size_t in_left = in.size();
  char* out_next = out.data();
  std::size_t out_left = out.size();
  std::size_t result = iconv(converter, &in_next, &in_left, &out_next, &out_left);
  iconv_close(converter);
  // Any irreversible or failed conversion is an error: every character needs its exact form.
  if (result != 0 || in_left != 0) return 0;
  shift_jis.assign(out.data(), out_next);
  return 1;
}
