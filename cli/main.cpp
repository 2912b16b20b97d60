#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/DctBlockTool.h"

int main(int argc, char** argv) {
  // Standard input then has a file buffer of its own, which reports a read
  // error rather than taking it for the end of the input.
  std::ios::sync_with_stdio(false);
  try {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return dct::cli::RunDctBlock(args, std::cin, std::cout, std::cerr);
  } catch (const std::exception& error) {
    // Only a fault of the program itself (or exhausted memory) gets here; it
    // still ends as a failure report rather than an abort.
    std::cerr << "dct-block: internal error: " << error.what() << '\n';
    return dct::cli::kExitFailure;
  }
}
