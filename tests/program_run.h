// Runs the built mojiroll as a user would, from a fresh directory of the test's own, and gives its
// exit status, standard output and standard error. Output goes to files, never pipes, so that no
// helper process the program leaves behind can hold a test up.
#ifndef MOJIROLL_TESTS_PROGRAM_RUN_H_
#define MOJIROLL_TESTS_PROGRAM_RUN_H_

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "temporary_directory.h"

struct run_result {
  int status;
  std::string out;
  std::string err;
};

// How the program is started.
struct run_setup {
  std::string name = "mojiroll";             // its argv[0]
  std::string input_file = "/dev/null";      // its standard input, unless bytes are piped
  std::string output_file = ".stdout";       // its standard output, read back when it is .stdout
  std::optional<std::string> piped_input;    // written in pieces into a pipe on its standard input
  bool without_permission_override = false;  // started without root's power to pass file modes
};

// Every test runs in a fresh directory of its own, so relative names stay inside it.
class ProgramTest : public testing::Test {
 protected:
  temporary_directory directory;
  std::filesystem::path previous = std::filesystem::current_path();

  void SetUp() override { std::filesystem::current_path(directory.path); }
  void TearDown() override { std::filesystem::current_path(previous); }

  // Runs mojiroll with the arguments from the test's directory.
  run_result run(const std::vector<std::string>& arguments, const run_setup& setup = {}) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(setup.name.c_str()));
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int pipe_ends[2] = {-1, -1};
    if (setup.piped_input && pipe2(pipe_ends, O_CLOEXEC) != 0) {
      ADD_FAILURE() << "no pipe for the input";
      return {-1, "", ""};
    }
    pid_t pid = fork();
    if (pid == 0) start_program(argv.data(), setup, pipe_ends[0]);
    run_result result{-1, "", ""};
    if (setup.piped_input) {
      close(pipe_ends[0]);
      if (pid > 0) write_in_pieces(pipe_ends[1], *setup.piped_input);
      close(pipe_ends[1]);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
      ADD_FAILURE() << "mojiroll did not run to an exit";
      return result;
    }
    result.status = WEXITSTATUS(status);
    result.out = read_file(".stdout");
    result.err = read_file(".stderr");
    std::filesystem::remove(".stdout");
    std::filesystem::remove(".stderr");
    return result;
  }

  void expect_failure(const std::vector<std::string>& arguments, const std::string& message,
                      const run_setup& setup = {}) {
    run_result r = run(arguments, setup);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, setup.name + ": " + message + "\n");
  }

 private:
  // In the child between fork and exec: only calls that are safe there.
  [[noreturn]] static void start_program(char* const* argv, const run_setup& setup, int pipe_in) {
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
    execv(MOJIROLL_EXECUTABLE, argv);
    _exit(127);
  }

  // Writes in small pieces so that the program sees short reads, as from a slow producer. A
  // program that stops reading early closes the pipe: what is left is dropped.
  static void write_in_pieces(int pipe_out, const std::string& bytes) {
    void (*previous_handler)(int) = std::signal(SIGPIPE, SIG_IGN);
    for (std::size_t at = 0; at < bytes.size();) {
      ssize_t written =
          write(pipe_out, bytes.data() + at, std::min<std::size_t>(4096, bytes.size() - at));
      if (written <= 0) break;
      at += static_cast<std::size_t>(written);
    }
    std::signal(SIGPIPE, previous_handler);
  }
};

#endif  // MOJIROLL_TESTS_PROGRAM_RUN_H_
