#include "platform/wide_format.h"

#include <string>

namespace platform {

namespace {

// Appends to a bounded buffer, dropping what does not fit.
class BoundedWriter {
 public:
  explicit BoundedWriter(std::span<char16_t> buffer) : buffer_(buffer) {}

  void Put(char16_t c) {
    if (length_ + 1 < buffer_.size()) buffer_[length_++] = c;
  }
  void Put(std::u16string_view text) {
    for (char16_t c : text) Put(c);
  }
  void PutDecimal(std::uint32_t magnitude, bool negative) {
    char16_t digits[10];
    std::size_t count = 0;
    do {
      digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    if (negative) Put(u'-');
    while (count > 0) Put(digits[--count]);
  }
  std::size_t Finish() {
    if (!buffer_.empty()) buffer_[length_] = u'\0';
    return length_;
  }

 private:
  std::span<char16_t> buffer_;
  std::size_t length_ = 0;
};

}  // namespace

std::size_t FormatWide(std::span<char16_t> buffer, std::u16string_view format,
                       std::initializer_list<FormatArgument> arguments) {
  BoundedWriter out(buffer);
  const FormatArgument* next = arguments.begin();
  auto take = [&]() -> FormatArgument {
    return next != arguments.end() ? *next++ : FormatArgument(std::uint32_t{0});
  };

  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != u'%') {
      out.Put(format[i]);
      continue;
    }
    if (++i == format.size()) break;  // a lone '%' at the end writes nothing
    switch (format[i]) {
      case u'd': {
        const auto value = static_cast<std::int32_t>(take().number());
        // Negate in unsigned arithmetic so that INT32_MIN needs no special case.
        const auto bits = static_cast<std::uint32_t>(value);
        out.PutDecimal(value < 0 ? 0u - bits : bits, value < 0);
        break;
      }
      case u'u':
        out.PutDecimal(take().number(), false);
        break;
      case u's':
        out.Put(take().text());
        break;
      default:
        out.Put(format[i]);
        break;
    }
  }
  return out.Finish();
}

std::u16string FormatWideText(std::size_t capacity, std::u16string_view format,
                              std::initializer_list<FormatArgument> arguments) {
  std::u16string buffer(capacity, u'\0');
  buffer.resize(FormatWide(buffer, format, arguments));
  return buffer;
}

}  // namespace platform
