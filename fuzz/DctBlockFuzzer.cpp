// Runs dct-block on arguments and a table from the fuzzer's bytes (arguments
// separated by NUL, then a 0xFF byte, then standard input) and checks its
// contract: status 0 with nothing on standard error, or status 2 with one line
// on standard error and nothing on standard output.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/DctBlockTool.h"

namespace {

// No file is written and none but standard input is read: the fuzzer must
// not touch the machine.
bool touchesFiles(const std::vector<std::string_view>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg.find("png") != std::string_view::npos) return true;
    if (arg.rfind("--basis-sheet", 0) == 0) return true;
    if (arg.rfind("--table", 0) == 0) {
      if (arg == "--table=-") continue;
      if (arg != "--table" || i + 1 >= args.size() || args[i + 1] != "-") return true;
    }
    // A picture only from standard input or the built-in one.
    if (arg.rfind("--image", 0) == 0) {
      if (arg == "--image=-" || arg == "--image=-builtin-") continue;
      if (arg != "--image" || i + 1 >= args.size()) return true;
      if (args[i + 1] != "-" && args[i + 1] != "-builtin-") return true;
    }
  }
  return false;
}

void fail(const char* what) {
  std::fprintf(stderr, "dct-block broke its contract: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = bytes.find('\xFF');
  const std::string_view argText = bytes.substr(0, split);
  const std::string input(split == std::string_view::npos ? "" : bytes.substr(split + 1));

  std::vector<std::string_view> args;
  for (std::size_t start = 0; start <= argText.size();) {
    const std::size_t end = std::min(argText.find('\0', start), argText.size());
    args.push_back(argText.substr(start, end - start));
    start = end + 1;
  }
  if (argText.empty()) args.clear();
  if (touchesFiles(args)) return 0;

  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = dct::cli::RunDctBlock(args, in, out, err);
  const std::string error = err.str();
  if (status == dct::cli::kExitSuccess) {
    if (!error.empty()) fail("standard error written on success");
    if (out.str().empty()) fail("nothing printed on success");
  } else if (status == dct::cli::kExitFailure) {
    if (!out.str().empty()) fail("standard output written on failure");
    if (error.empty() || error.back() != '\n' || error.find('\n') != error.size() - 1) {
      fail("a failure not reported in exactly one line");
    }
  } else {
    fail("an exit status other than 0 or 2");
  }
  return 0;
}
