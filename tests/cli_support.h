// Helpers for the command-line tests: a scratch directory per test and a
// run of the built program with real standard input and output.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace cli {

namespace fs = std::filesystem;

inline std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
struct ScratchDir {
  fs::path path;
  ScratchDir() {
    std::string name = (fs::temp_directory_path() / "quib-cli-XXXXXX").string();
    if (mkdtemp(&name[0]) != nullptr) path = name;
  }
  ~ScratchDir() {
    std::error_code ignored;
    if (!path.empty()) fs::remove_all(path, ignored);
  }
  // Names of the entries in the directory, sorted.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

struct RunResult {
  int status = -1;  // exit status, or -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs `binary` with `args` in the directory `workDir`, feeding `input` on
// standard input (or /dev/null when `noInput`). DISPLAY is removed from the
// environment: the console tools must never need a window system.
inline RunResult runProgram(const std::string& binary, const fs::path& workDir,
                            const std::vector<std::string>& args, const std::string& input,
                            bool noInput = false) {
  ScratchDir io;
  RunResult result;
  const fs::path inPath = io.path / "in";
  const fs::path outPath = io.path / "out";
  const fs::path errPath = io.path / "err";
  writeFile(inPath, input);

  pid_t pid = fork();
  if (pid == 0) {
    int in = open(noInput ? "/dev/null" : inPath.c_str(), O_RDONLY);
    int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || chdir(workDir.c_str()) != 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    unsetenv("DISPLAY");
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(binary.c_str()));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(binary.c_str(), argv.data());
    _exit(127);
  }
  int wstatus = 0;
  if (pid > 0 && waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus)) {
    result.status = WEXITSTATUS(wstatus);
  }
  result.out = readFile(outPath);
  result.err = readFile(errPath);
  return result;
}

inline RunResult runQuib(const fs::path& workDir, const std::vector<std::string>& args,
                         const std::string& input, bool noInput = false) {
  return runProgram(QUIB_BINARY, workDir, args, input, noInput);
}

}  // namespace cli
