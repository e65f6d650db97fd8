// Tests the walk of the command line: option clusters, the mode, and which names fill the slots.
#include "frontend/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

command_line read(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "mojiroll");
  command_line options;
  read_command_line(static_cast<int>(arguments.size()), arguments.data(), options);
  return options;
}

TEST(CommandLineTest, ReadsOptionsAndNamesInAnyOrder) {
  struct command_line_case {
    std::vector<const char*> arguments;
    int help, invalid_option, multi_byte;
    std::string source, destination;
  };
  const command_line_case cases[] = {
      {{"-m", "a", "b"}, 0, 0, 1, "a", "b"},
      {{"a", "-m", "b"}, 0, 0, 1, "a", "b"},
      {{"a", "b", "-M"}, 0, 0, 1, "a", "b"},
      {{"a", "b"}, 0, 0, 0, "a", "b"},
      {{"-ms", "a", "b"}, 0, 0, 0, "a", "b"},
      {{"-sm", "a", "b"}, 0, 0, 1, "a", "b"},
      {{"-m", "a", "-S", "b"}, 0, 0, 0, "a", "b"},
      {{"-hx"}, 1, 1, 0, "", ""},
      {{"-x", "-H", "a"}, 1, 1, 0, "a", ""},
      {{"-", "a", "b"}, 0, 0, 0, "a", "b"},
      {{"--m", "a", "b"}, 0, 1, 1, "a", "b"},
      {{"a", "b", "c"}, 0, 0, 0, "a", "b"},
      {{"", "a", "", "b"}, 0, 0, 0, "a", "b"},
      {{nullptr, "a", "b"}, 0, 0, 0, "a", "b"},
      {{"dir\\in.bin", "out\\x.txt"}, 0, 0, 0, "dir/in.bin", "out/x.txt"},
      {{"-a", "-b"}, 0, 1, 0, "", ""},
  };
  for (const command_line_case& c : cases) {
    command_line options = read(c.arguments);
    std::string shown;
    for (const char* argument : c.arguments)
      shown += argument ? " '" + std::string(argument) + "'" : " null";
    SCOPED_TRACE("arguments:" + shown);
    EXPECT_EQ(options.help, c.help);
    EXPECT_EQ(options.invalid_option, c.invalid_option);
    EXPECT_EQ(options.multi_byte, c.multi_byte);
    EXPECT_EQ(options.source, c.source);
    EXPECT_EQ(options.destination, c.destination);
  }
}

// A name of 1023 characters does not fit its slot: the next name takes the slot instead.
TEST(CommandLineTest, SkipsNamesTooLongForTheirSlot) {
  const std::string fits(1022, 'n');
  const std::string too_long(1023, 'n');
  command_line options = read({too_long.c_str(), "a", "b"});
  EXPECT_EQ(options.source, std::string("a"));
  EXPECT_EQ(options.destination, std::string("b"));
  options = read({fits.c_str(), "a", "b"});
  EXPECT_EQ(options.source, fits);
  EXPECT_EQ(options.destination, std::string("a"));
}

}  // namespace
