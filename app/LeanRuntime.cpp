// Replacements for the pieces of the C++ runtime that would more than double the program's own
// code for reports nobody reads.
//
// The standard containers report misuse (a size beyond max_size(), at() out of range, a string
// made from a null pointer) through the library's std::__throw_* functions, whose object also
// defines std::logic_error and std::runtime_error. Those classes keep their message in a
// reference-counted string of their own, so the first container that can throw drags in a second
// complete string implementation. The replacements below raise the cheap standard exceptions as
// they are and every other report as an ELibraryError that carries the library's message: a
// caller catching std::exception or anything still catches it.
#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

namespace {

class ELibraryError : public std::exception {
 public:
  explicit ELibraryError(const char* message) : message_(message) {}
  const char* what() const noexcept override { return message_; }

 private:
  const char* message_;  // the library passes string literals
};

}  // namespace

namespace std {

// clang-format off
void __throw_bad_exception() { throw std::bad_exception(); }
void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_array_new_length(); }
void __throw_bad_cast() { throw std::bad_cast(); }
void __throw_bad_typeid() { throw std::bad_typeid(); }
void __throw_logic_error(const char* message) { throw ELibraryError(message); }
void __throw_domain_error(const char* message) { throw ELibraryError(message); }
void __throw_invalid_argument(const char* message) { throw ELibraryError(message); }
void __throw_length_error(const char* message) { throw ELibraryError(message); }
void __throw_out_of_range(const char* message) { throw ELibraryError(message); }
void __throw_out_of_range_fmt(const char* format, ...) { throw ELibraryError(format); }
void __throw_runtime_error(const char* message) { throw ELibraryError(message); }
void __throw_range_error(const char* message) { throw ELibraryError(message); }
void __throw_overflow_error(const char* message) { throw ELibraryError(message); }
void __throw_underflow_error(const char* message) { throw ELibraryError(message); }
// clang-format on

}  // namespace std

// The runtime's default handler for an uncaught exception prints the exception's demangled type
// to standard error, which a windowed program does not have; replacing it leaves the demangler,
// a third of the executable's code, out of the link.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx
