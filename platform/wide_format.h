#pragma once
// Wide formatting with the rules of wsprintfW, shared by both builds so that
// every caller sees the same result:
//   %d  the next argument as a signed 32-bit decimal (2147942405 -> -2147024891)
//   %u  the next argument as an unsigned 32-bit decimal
//   %s  the next argument as a wide text
//   %c  for any other character c, c itself ("%:" -> ":", "%%" -> "%")
// A conversion without a matching argument writes 0 or nothing. Unlike
// wsprintfW the output is bounded by the caller's buffer, never by a fixed cap.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace platform {

class FormatArgument {
 public:
  FormatArgument(std::int32_t number) : number_(static_cast<std::uint32_t>(number)) {}
  FormatArgument(std::uint32_t number) : number_(number) {}
  FormatArgument(std::u16string_view text) : text_(text), isText_(true) {}
  FormatArgument(const char16_t* text) : text_(text), isText_(true) {}
  FormatArgument(const std::u16string& text) : text_(text), isText_(true) {}

  std::uint32_t number() const { return isText_ ? 0 : number_; }
  std::u16string_view text() const { return isText_ ? text_ : std::u16string_view(); }

 private:
  std::uint32_t number_ = 0;
  std::u16string_view text_;
  bool isText_ = false;
};

// Writes at most buffer.size() - 1 characters and a terminator; returns the
// number of characters written, terminator excluded. An empty buffer gets
// nothing.
std::size_t FormatWide(std::span<char16_t> buffer, std::u16string_view format,
                       std::initializer_list<FormatArgument> arguments);

// The same, into a new text that holds at most capacity - 1 characters.
std::u16string FormatWideText(std::size_t capacity, std::u16string_view format,
                              std::initializer_list<FormatArgument> arguments);

}  // namespace platform
