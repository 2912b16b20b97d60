#pragma once

#include <string>
#include <utility>
#include <variant>

namespace dct::cli {

// Why something the user gave could not be used: one line, naming the
// argument or file at fault, without the program's name.
struct Failure {
  std::string message;
};

// Either a value or the Failure that prevented it. The tool reports failures
// as an exit status, so nothing here throws for bad input.
template <typename T>
class Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

  bool ok() const { return state_.index() == 0; }
  const T& value() const { return std::get<0>(state_); }
  const std::string& error() const { return std::get<1>(state_).message; }
  Failure failure() const { return std::get<1>(state_); }

 private:
  std::variant<T, Failure> state_;
};

}  // namespace dct::cli
