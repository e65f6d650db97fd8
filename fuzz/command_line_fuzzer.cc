// Fuzzes the walk of the command line and the file-name copier with any argument vectors: empty
// arguments, null ones, names around the 1023-character limit of a slot, backslashes and bytes
// 0x80-0xFF. Both results are checked against what the rules give, not only for crashes.
//
// Input: arguments separated by 0x00 bytes. An argument that starts with 0x01 stands for another
// one: 0x01 alone for a null argument, 0x01 n and more bytes for a name of 1000 + n % 48
// characters that repeats those bytes (or "n"), so that names near the limit come up often.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "frontend/command_line.h"
#include "frontend/file_name.h"

namespace {

// Checks a condition of the rules and stops the run with a message when it does not hold.
void require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", rule);
  std::abort();
}

struct argument {
  bool null;
  std::string text;
};

std::vector<argument> split_arguments(const std::uint8_t* data, std::size_t size) {
  std::vector<argument> arguments;
  const char* at = reinterpret_cast<const char*>(data);
  const char* end = at + size;
  while (true) {
    const char* stop =
        static_cast<const char*>(std::memchr(at, '\0', static_cast<std::size_t>(end - at)));
    std::string piece(at, stop ? stop : end);
    if (piece.size() == 1 && piece[0] == '\x01') {
      arguments.push_back({true, ""});
    } else if (piece.size() > 1 && piece[0] == '\x01') {
      const std::size_t length = 1000 + static_cast<unsigned char>(piece[1]) % 48;
      const std::string fill = piece.size() > 2 ? piece.substr(2) : "n";
      std::string name;
      while (name.size() < length) name += fill;
      name.resize(length);
      arguments.push_back({false, name});
    } else {
      arguments.push_back({false, piece});
    }
    if (!stop) return arguments;
    at = stop + 1;
  }
}

std::string with_slashes(std::string name) {
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

// A name copied into a buffer of every size around its own length: either the whole name with
// slashes for backslashes and zeros after it, or the buffer as it was.
void check_copy_file_name(const std::string& name) {
  for (std::size_t size = name.size(); size <= name.size() + 3; ++size) {
    std::unique_ptr<char[]> buffer(new char[size]);
    std::memset(buffer.get(), 'x', size);
    require(copy_file_name(buffer.get(), name.c_str(), size) == buffer.get(),
            "copy_file_name gives its buffer");
    const std::string copied(buffer.get(), size);
    if (name.size() + 1 < size) {
      std::string expected = with_slashes(name);
      expected.resize(size, '\0');
      require(copied == expected, "a name that fits is copied whole, zero-filled");
    } else {
      require(copied == std::string(size, 'x'), "a name that does not fit leaves the buffer");
    }
  }
  require(copy_file_name(nullptr, name.c_str(), name.size() + 2) == nullptr,
          "a null buffer gives null");
}

void check_slot(const char* slot, const std::string& expected) {
  const void* nul = std::memchr(slot, '\0', name_buffer_size);
  require(nul != nullptr, "a slot is NUL-terminated");
  const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(nul) - slot);
  require(length <= name_buffer_size - 2, "a slot holds at most 1022 characters");
  require(std::memchr(slot, '\\', length) == nullptr, "a slot holds no backslash");
  require(std::string(slot, length) == expected, "the slot holds the expected name");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<argument> arguments = split_arguments(data, size);
  std::vector<const char*> argv{"mojiroll"};
  for (const argument& a : arguments) argv.push_back(a.null ? nullptr : a.text.c_str());
  argv.push_back(nullptr);

  command_line options;
  read_command_line(static_cast<int>(argv.size() - 1), argv.data(), options);

  // What the rules give: every letter of every cluster counts, the last of m and s decides the
  // mode, and the first two names that fit a slot fill the slots.
  int help = 0, invalid_option = 0, multi_byte = 0;
  std::vector<std::string> names;
  for (const argument& a : arguments) {
    if (a.null) continue;
    if (!a.text.empty() && a.text[0] == '-') {
      for (const char* c = a.text.c_str() + 1; *c; ++c) {
        const char letter = *c >= 'A' && *c <= 'Z' ? static_cast<char>(*c - 'A' + 'a') : *c;
        if (letter == 'h') {
          help = 1;
        } else if (letter == 'm' || letter == 's') {
          multi_byte = letter == 'm';
        } else {
          invalid_option = 1;
        }
      }
    } else if (!a.text.empty() && a.text.size() <= name_buffer_size - 2) {
      names.push_back(with_slashes(a.text));
    }
    check_copy_file_name(a.text);
  }
  names.resize(2);
  require(options.help == help, "help is set by an h in any cluster");
  require(options.invalid_option == invalid_option, "a letter other than h, m, s is invalid");
  require(options.multi_byte == multi_byte, "the last of m and s decides the mode");
  check_slot(options.source, names[0]);
  check_slot(options.destination, names[1]);
  return 0;
}
