// Runs the program under test as a user would, each test in a fresh directory, and says what it
// must print there. The program is this build's mojiroll, or a Windows build of it started through
// Wine; where the two show the same behaviour differently, the difference is stated here, once.
// Output goes to files, never pipes, so that no helper process the program (or Wine) leaves behind
// can hold a test up.
#ifndef MOJIROLL_TESTS_END_TO_END_H_
#define MOJIROLL_TESTS_END_TO_END_H_

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "temporary_directory.h"

extern char** environ;

// The program under test, and the program that starts it (empty: it is started directly).
constexpr char test_program[] = MOJIROLL_TEST_PROGRAM;
constexpr char test_launcher[] = MOJIROLL_TEST_LAUNCHER;
constexpr bool windows_program = MOJIROLL_TEST_WINDOWS;

struct run_result {
  int status;
  std::string out;
  std::string err;
};

// How a program is started.
struct run_setup {
  std::string name = "mojiroll";         // its argv[0]
  std::vector<std::string> settings;     // "NAME=value" added to (or replacing in) its environment
  std::string input_file = "/dev/null";  // its standard input, unless bytes are piped
  std::string output_file = ".stdout";   // its standard output, read back when it is .stdout
  std::optional<std::string> piped_input;    // written in pieces into a pipe on its standard input
  bool without_permission_override = false;  // started without root's power to pass file modes
};

// The console of a Windows program stores every line end it prints as CR LF.
inline std::string console_text(const std::string& text) {
  if (!windows_program) return text;
  std::string converted;
  for (char c : text) converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return converted;
}

// The name the program records for itself when started as `name`. Wine always hands a program its
// full Windows path instead, on the drive Z: that stands for the Linux root.
inline std::string recorded_name(const std::string& name) {
  if (!windows_program) return name;
  std::string path = "Z:" + std::filesystem::absolute(test_program).lexically_normal().string();
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

inline std::string help_text(const std::string& name) {
  return console_text("mojiroll - Copyright (C) 2026 the mojiroll developers\n" +
                      recorded_name(name) +
                      ": [option] src-filename dst-filename\n"
                      "\t-s\tdecode in single-byte mode\n"
                      "\t-m\tdecode in multi-byte mode\n"
                      "\t-h\tdisplay this help and exit\n"
                      "\n");
}

inline std::string message_text(const std::string& message, const std::string& name = "mojiroll") {
  return console_text(recorded_name(name) + ": " + message + "\n");
}

// The strings as an array of C strings closed by a null pointer, as a new process takes them.
inline std::vector<char*> c_string_array(const std::vector<std::string>& strings) {
  std::vector<char*> array;
  for (const std::string& s : strings) array.push_back(const_cast<char*>(s.c_str()));
  array.push_back(nullptr);
  return array;
}

// This process's environment with the settings added, each replacing any variable of its name.
inline std::vector<std::string> make_environment(const std::vector<std::string>& settings) {
  std::vector<std::string> environment;
  for (char** variable = environ; *variable; ++variable) {
    const std::string entry = *variable;
    const std::string name = entry.substr(0, entry.find('=') + 1);
    if (std::none_of(settings.begin(), settings.end(),
                     [&](const std::string& s) { return s.compare(0, name.size(), name) == 0; }))
      environment.push_back(entry);
  }
  environment.insert(environment.end(), settings.begin(), settings.end());
  return environment;
}

// In the child between fork and exec: only calls that are safe there.
[[noreturn]] inline void start_program(const char* path, char* const* argv, char* const* envp,
                                       const run_setup& setup, int pipe_in) {
  int input = setup.piped_input ? pipe_in : open(setup.input_file.c_str(), O_RDONLY);
  int out = open(setup.output_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  int err = open(".stderr", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (input < 0 || out < 0 || err < 0 || dup2(input, 0) < 0 || dup2(out, 1) < 0 ||
      dup2(err, 2) < 0) {
    _exit(127);
  }
  for (int fd : {input, out, err}) {
    if (fd > 2) close(fd);
  }
  // A pipe end that already was 0 (standard input closed) kept its close-on-exec flag.
  if (fcntl(0, F_SETFD, 0) != 0) _exit(127);
  // Root passes every file mode through these two capabilities; without them in the bounding
  // set the program runs as root that file modes bind, as they bind any other user.
  if (setup.without_permission_override &&
      (prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) != 0 ||
       prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0) != 0)) {
    _exit(127);
  }
  execve(path, argv, envp);
  _exit(127);
}

// Writes in small pieces so that the program sees short reads, as from a slow producer. A program
// that stops reading early closes the pipe: what is left is dropped.
inline void write_in_pieces(int pipe_out, const std::string& bytes) {
  void (*previous_handler)(int) = std::signal(SIGPIPE, SIG_IGN);
  for (std::size_t at = 0; at < bytes.size();) {
    ssize_t written =
        write(pipe_out, bytes.data() + at, std::min<std::size_t>(4096, bytes.size() - at));
    if (written <= 0) break;
    at += static_cast<std::size_t>(written);
  }
  std::signal(SIGPIPE, previous_handler);
}

// Runs `path` with the argument vector `argv` from the current directory, as `setup` says, and
// gives its exit status and what it wrote to standard output and standard error.
inline run_result run_command(const std::string& path, const std::vector<std::string>& argv,
                              const run_setup& setup = {}) {
  std::vector<char*> argv_array = c_string_array(argv);
  std::vector<std::string> environment = make_environment(setup.settings);
  std::vector<char*> environment_array = c_string_array(environment);

  int pipe_ends[2] = {-1, -1};
  if (setup.piped_input && pipe2(pipe_ends, O_CLOEXEC) != 0) {
    ADD_FAILURE() << "no pipe for the input";
    return {-1, "", ""};
  }
  pid_t pid = fork();
  if (pid == 0) {
    start_program(path.c_str(), argv_array.data(), environment_array.data(), setup, pipe_ends[0]);
  }
  if (setup.piped_input) {
    close(pipe_ends[0]);
    if (pid > 0) write_in_pieces(pipe_ends[1], *setup.piped_input);
    close(pipe_ends[1]);
  }
  run_result result{-1, "", ""};
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
    ADD_FAILURE() << path << " did not run to an exit";
    return result;
  }
  result.status = WEXITSTATUS(status);
  result.out = read_file(".stdout");
  result.err = read_file(".stderr");
  std::filesystem::remove(".stdout");
  std::filesystem::remove(".stderr");
  return result;
}

// Every test runs in a fresh directory of its own, so relative names stay inside it.
class EndToEndTest : public testing::Test {
 protected:
  temporary_directory directory;
  std::filesystem::path previous = std::filesystem::current_path();

  void SetUp() override { std::filesystem::current_path(directory.path); }
  void TearDown() override { std::filesystem::current_path(previous); }

  // Runs the program under test with the arguments, as `setup` says.
  run_result run(const std::vector<std::string>& arguments, const run_setup& setup = {}) {
    std::vector<std::string> argv{setup.name};
    if (*test_launcher) argv = {test_launcher, test_program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return run_command(*test_launcher ? test_launcher : test_program, argv, setup);
  }

  void expect_failure(const std::vector<std::string>& arguments, const std::string& message,
                      const run_setup& setup = {}) {
    run_result r = run(arguments, setup);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, message_text(message, setup.name));
  }
};

#endif  // MOJIROLL_TESTS_END_TO_END_H_
