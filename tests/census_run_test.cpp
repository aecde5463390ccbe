// Runs the built prime-census as a child process and checks what a user sees:
// the bytes on standard output and standard error, and the exit status.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

#include "sieve.hpp"

// The environment of this process, which POSIX leaves to the program to
// declare; some C libraries declare it too, and it is POSIX's, not ours.
// NOLINTNEXTLINE(readability-redundant-declaration,cppcoreguidelines-avoid-non-const-global-variables)
extern char** environ;

namespace {

enum class Output { Pipe, DevFull, Closed };

struct Launch {
  std::vector<std::string> arguments;
  bool stdinClosed = false;  // otherwise standard input is /dev/null
  bool emptyEnvironment = false;
  Output stdoutTo = Output::Pipe;
};

struct Outcome {
  std::string out;
  std::string err;
  int waitStatus = 0;
};

void check(int result, const char* what) {
  if (result != 0) {
    throw std::system_error(result, std::generic_category(), what);
  }
}

void checkErrno(int result, const char* what) {
  if (result == -1) {
    throw std::system_error(errno, std::generic_category(), what);
  }
}

// Reads both pipes to their end at once, so that neither can fill up and
// stall the child while the other is being read.
void drain(int outFd, int errFd, std::string& out, std::string& err) {
  std::array<pollfd, 2> fds{{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}}};
  std::array<std::string*, 2> sinks{&out, &err};
  int open = 0;
  for (const pollfd& fd : fds) {
    open += fd.fd >= 0 ? 1 : 0;
  }
  std::array<char, 4096> buffer{};
  while (open > 0) {
    checkErrno(poll(fds.data(), fds.size(), -1), "poll");
    for (std::size_t i = 0; i < fds.size(); ++i) {
      pollfd& fd = fds.at(i);
      if (fd.fd < 0 || fd.revents == 0) {
        continue;
      }
      const ssize_t got = read(fd.fd, buffer.data(), buffer.size());
      if (got == -1 && errno == EINTR) {
        continue;
      }
      checkErrno(static_cast<int>(got), "read");
      if (got == 0) {
        close(fd.fd);
        fd.fd = -1;
        --open;
      } else {
        sinks.at(i)->append(buffer.data(), static_cast<std::size_t>(got));
      }
    }
  }
}

// A pipe whose ends are closed in the child once it runs the program; only
// the ends that the file actions duplicate onto its standard streams remain.
std::array<int, 2> closeOnExecPipe() {
  std::array<int, 2> ends{};
  checkErrno(pipe(ends.data()), "pipe");
  for (const int end : ends) {
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): fcntl is variadic by its POSIX interface
    checkErrno(fcntl(end, F_SETFD, FD_CLOEXEC), "fcntl");
  }
  return ends;
}

Outcome run(const Launch& launch) {
  std::array<int, 2> outPipe{-1, -1};
  if (launch.stdoutTo == Output::Pipe) {
    outPipe = closeOnExecPipe();
  }
  const std::array<int, 2> errPipe = closeOnExecPipe();

  posix_spawn_file_actions_t actions{};
  check(posix_spawn_file_actions_init(&actions), "posix_spawn_file_actions_init");
  if (launch.stdinClosed) {
    check(posix_spawn_file_actions_addclose(&actions, STDIN_FILENO), "addclose");
  } else {
    check(posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0),
          "addopen");
  }
  switch (launch.stdoutTo) {
    case Output::Pipe:
      check(posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO), "adddup2");
      break;
    case Output::DevFull:
      check(posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0),
            "addopen");
      break;
    case Output::Closed:
      check(posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO), "addclose");
      break;
  }
  check(posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO), "adddup2");

  std::string program = PRIME_CENSUS_EXE;
  std::vector<std::string> words{program};
  words.insert(words.end(), launch.arguments.begin(), launch.arguments.end());
  std::vector<char*> argv;
  argv.reserve(words.size() + 1);
  for (std::string& word : words) {
    argv.push_back(word.data());
  }
  argv.push_back(nullptr);
  std::array<char*, 1> noEnvironment{nullptr};

  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(),
                                  launch.emptyEnvironment ? noEnvironment.data() : environ);
  posix_spawn_file_actions_destroy(&actions);
  for (const int fd : {outPipe[1], errPipe[1]}) {
    if (fd >= 0) {
      close(fd);
    }
  }
  check(spawned, "posix_spawn");

  Outcome outcome;
  drain(outPipe[0], errPipe[0], outcome.out, outcome.err);
  while (waitpid(pid, &outcome.waitStatus, 0) == -1) {
    if (errno != EINTR) {
      throw std::system_error(errno, std::generic_category(), "waitpid");
    }
  }
  return outcome;
}

// The count of primes among 1..999998, from the sieve.
std::string expectedOutput() {
  const std::vector<bool> prime = sievePrimes(1, 999'998);
  std::size_t count = 0;
  for (const bool isPrime : prime) {
    count += isPrime ? 1 : 0;
  }
  return std::to_string(count) + "\n";
}

void expectExit(const Outcome& outcome, int status) {
  ASSERT_TRUE(WIFEXITED(outcome.waitStatus)) << "wait status " << outcome.waitStatus;
  EXPECT_EQ(WEXITSTATUS(outcome.waitStatus), status);
}

TEST(CensusRun, PrintsTheCountAloneWhateverItsSurroundings) {
  const std::string expected = expectedOutput();
  const struct {
    const char* name = nullptr;
    Launch launch;
  } cases[] = {
      {"plain", {}},
      {"arguments", {{"--help", "-v", "1000", "", "two words"}}},
      {"stdin closed", {{}, true}},
      {"empty environment", {{}, false, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome outcome = run(c.launch);
    EXPECT_EQ(outcome.out, expected);
    EXPECT_EQ(outcome.err, "");
    expectExit(outcome, 0);
  }
}

void expectWriteError(Output stdoutTo, const std::string& message) {
  Launch launch;
  launch.stdoutTo = stdoutTo;
  const Outcome outcome = run(launch);
  EXPECT_EQ(outcome.err, message);
  expectExit(outcome, 1);
}

TEST(CensusRun, ReportsAWriteErrorOnAFullDevice) {
  if (access("/dev/full", W_OK) != 0) {
    GTEST_SKIP() << "no writable /dev/full on this system to stand for a full device";
  }
  expectWriteError(Output::DevFull, "prime-census: write error: No space left on device\n");
}

TEST(CensusRun, ReportsAWriteErrorOnClosedOutput) {
  expectWriteError(Output::Closed, "prime-census: write error: Bad file descriptor\n");
}

}  // namespace
