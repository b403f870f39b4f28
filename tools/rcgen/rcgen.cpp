// rcgen: compiles the resource script for the host build.
//
//   rcgen SCRIPT.rc OUTPUT.cpp DEPFILE
//
// Reads the subset of the resource-script language that the product's script
// uses: "#pragma code_page(65001)", LANGUAGE statements, STRINGTABLE blocks and
// file resources ("NAME TYPE "file"", NAME a text or a number). It writes a C++
// source that defines platform::host::CarriedModule(): file resources are
// linked in whole with .incbin, string tables become blocks of 16 counted
// UTF-16 strings as windres lays them out. DEPFILE lists the files read.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/host/utf8.h"

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& where, const std::string& message) {
  std::cerr << where << ": error: " << message << "\n";
  std::exit(1);
}

struct Token {
  enum Kind { kWord, kNumber, kString, kPunct, kEnd } kind;
  std::string text;   // words, punctuation and the decoded (UTF-8) string value
  std::uint32_t number = 0;
  int line = 0;
};

class Lexer {
 public:
  Lexer(std::string source, std::string file) : source_(std::move(source)), file_(std::move(file)) {}

  Token Next() {
    SkipSpaceAndComments();
    Token token{Token::kEnd, "", 0, line_};
    if (pos_ >= source_.size()) return token;
    const char c = source_[pos_];
    if (c == '"') {
      token.kind = Token::kString;
      token.text = ReadString();
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      token.kind = Token::kNumber;
      const std::size_t start = pos_;
      while (pos_ < source_.size() && std::isalnum(static_cast<unsigned char>(source_[pos_]))) ++pos_;
      token.text = source_.substr(start, pos_ - start);
      char* end = nullptr;
      const unsigned long value = std::strtoul(token.text.c_str(), &end, 0);
      if (*end != '\0' || value > 0xFFFFFFFFul) Fail(Where(), "bad number " + token.text);
      token.number = static_cast<std::uint32_t>(value);
    } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
      token.kind = Token::kWord;
      const std::size_t start = pos_;
      while (pos_ < source_.size() && (std::isalnum(static_cast<unsigned char>(source_[pos_])) || source_[pos_] == '_')) {
        ++pos_;
      }
      token.text = source_.substr(start, pos_ - start);
    } else if (c == '#') {
      const std::size_t end = source_.find('\n', pos_);
      token.kind = Token::kPunct;
      token.text = source_.substr(pos_, end - pos_);
      pos_ = end == std::string::npos ? source_.size() : end;
    } else {
      token.kind = Token::kPunct;
      token.text = std::string(1, c);
      ++pos_;
    }
    return token;
  }

  std::string Where() const { return file_ + ":" + std::to_string(line_); }

 private:
  void SkipSpaceAndComments() {
    while (pos_ < source_.size()) {
      if (source_[pos_] == '\n') {
        ++line_;
        ++pos_;
      } else if (std::isspace(static_cast<unsigned char>(source_[pos_]))) {
        ++pos_;
      } else if (source_.compare(pos_, 2, "//") == 0) {
        pos_ = source_.find('\n', pos_);
        if (pos_ == std::string::npos) pos_ = source_.size();
      } else if (source_.compare(pos_, 2, "/*") == 0) {
        const std::size_t end = source_.find("*/", pos_ + 2);
        if (end == std::string::npos) Fail(Where(), "unterminated comment");
        for (std::size_t i = pos_; i < end; ++i) line_ += source_[i] == '\n';
        pos_ = end + 2;
      } else {
        break;
      }
    }
  }

  // Resource-script strings: "" is one quote; \n, \r, \t, \\ and \" are escapes.
  std::string ReadString() {
    std::string value;
    ++pos_;
    while (true) {
      if (pos_ >= source_.size() || source_[pos_] == '\n') Fail(Where(), "unterminated string");
      const char c = source_[pos_++];
      if (c == '"') {
        if (pos_ < source_.size() && source_[pos_] == '"') {
          value += '"';
          ++pos_;
          continue;
        }
        return value;
      }
      if (c != '\\') {
        value += c;
        continue;
      }
      if (pos_ >= source_.size()) Fail(Where(), "unterminated string");
      switch (const char escaped = source_[pos_++]) {
        case 'n': value += '\n'; break;
        case 'r': value += '\r'; break;
        case 't': value += '\t'; break;
        case '\\': value += '\\'; break;
        case '"': value += '"'; break;
        default: Fail(Where(), std::string("unsupported escape \\") + escaped);
      }
    }
  }

  std::string source_;
  std::string file_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

// The script is UTF-8; anything else is refused rather than garbled.
std::u16string Utf16FromUtf8(const std::string& text, const std::string& where) {
  std::u16string converted = platform::host::FromUtf8(text);
  if (platform::host::ToUtf8(converted) != text) Fail(where, "text is not UTF-8");
  return converted;
}

struct FileResource {
  std::string type;      // empty when numeric
  std::uint32_t typeId = 0;
  std::string name;      // empty when numeric
  std::uint32_t nameId = 0;
  std::uint16_t language = 0;
  fs::path file;
  std::uintmax_t size = 0;
};

// Block number and language to the block's 16 strings.
using StringBlocks = std::map<std::pair<std::uint32_t, std::uint16_t>, std::vector<std::u16string>>;

struct Script {
  std::vector<FileResource> files;
  StringBlocks strings;
};

Script Parse(const fs::path& scriptPath) {
  std::ifstream in(scriptPath, std::ios::binary);
  if (!in) Fail(scriptPath.string(), "cannot read");
  std::stringstream buffer;
  buffer << in.rdbuf();
  Lexer lexer(buffer.str(), scriptPath.string());

  Script script;
  std::uint16_t language = 0;
  Token token = lexer.Next();
  auto expect = [&](Token::Kind kind, const std::string& text = "") {
    if (token.kind != kind || (!text.empty() && token.text != text)) {
      Fail(lexer.Where(), "expected " + (text.empty() ? std::string("a value") : text) + ", found '" + token.text + "'");
    }
    Token taken = token;
    token = lexer.Next();
    return taken;
  };

  while (token.kind != Token::kEnd) {
    if (token.kind == Token::kPunct && token.text.rfind("#", 0) == 0) {
      if (token.text != "#pragma code_page(65001)") Fail(lexer.Where(), "unsupported directive " + token.text);
      token = lexer.Next();
    } else if (token.kind == Token::kWord && token.text == "LANGUAGE") {
      token = lexer.Next();
      const std::uint32_t primary = expect(Token::kNumber).number;
      expect(Token::kPunct, ",");
      const std::uint32_t sub = expect(Token::kNumber).number;
      if (primary > 0x3FF || sub > 0x3F) Fail(lexer.Where(), "bad LANGUAGE");
      language = static_cast<std::uint16_t>((sub << 10) | primary);
    } else if (token.kind == Token::kWord && token.text == "STRINGTABLE") {
      token = lexer.Next();
      if (token.text != "BEGIN" && token.text != "{") Fail(lexer.Where(), "expected BEGIN");
      token = lexer.Next();
      while (token.text != "END" && token.text != "}") {
        const std::uint32_t id = expect(Token::kNumber).number;
        if (id > 0xFFFF) Fail(lexer.Where(), "string id out of range");
        if (token.kind == Token::kPunct && token.text == ",") token = lexer.Next();
        const std::string where = lexer.Where();
        const std::u16string text = Utf16FromUtf8(expect(Token::kString).text, where);
        auto& block = script.strings[{(id >> 4) + 1, language}];
        block.resize(16);
        if (!block[id & 15].empty()) Fail(where, "string " + std::to_string(id) + " given twice");
        if (text.empty()) Fail(where, "string " + std::to_string(id) + " is empty");
        block[id & 15] = text;
      }
      token = lexer.Next();
    } else if (token.kind == Token::kWord || token.kind == Token::kNumber) {
      FileResource resource;
      const Token name = token;
      token = lexer.Next();
      const Token type = token;
      if (type.kind != Token::kWord && type.kind != Token::kNumber) Fail(lexer.Where(), "expected a type");
      token = lexer.Next();
      const std::string where = lexer.Where();
      const fs::path file = scriptPath.parent_path() / expect(Token::kString).text;
      resource.name = name.kind == Token::kWord ? name.text : "";
      resource.nameId = name.number;
      resource.type = type.kind == Token::kWord ? type.text : "";
      resource.typeId = type.number;
      resource.language = language;
      std::error_code error;
      resource.file = fs::absolute(file).lexically_normal();
      resource.size = fs::file_size(resource.file, error);
      if (error) Fail(where, "cannot read " + resource.file.string());
      if (resource.size == 0 || resource.size > 0xFFFFFFFFu) Fail(where, "bad size of " + resource.file.string());
      script.files.push_back(resource);
    } else {
      Fail(lexer.Where(), "unexpected '" + token.text + "'");
    }
  }
  return script;
}

std::string Utf16Literal(const std::string& ascii) {
  std::string out = "u\"";
  for (char c : ascii) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string ResourceIdText(const std::string& text, std::uint32_t number) {
  return text.empty() ? "{{}, " + std::to_string(number) + "}" : "{" + Utf16Literal(text) + "}";
}

// The path as a quoted assembler string inside a C++ string literal.
std::string AssemblerString(const std::string& path) {
  if (path.find_first_of("\"\\\n") != std::string::npos) Fail(path, "path unusable in .incbin");
  return "\\\"" + path + "\\\"";
}

void Write(const Script& script, const fs::path& scriptPath, const fs::path& outputPath, const fs::path& depfilePath) {
  std::ostringstream out;
  out << "// Generated by rcgen from " << scriptPath.filename().string() << "; do not edit.\n"
      << "#include \"platform/host/resource_module.h\"\n#include \"platform/string_block.h\"\n\n";

  for (std::size_t i = 0; i < script.files.size(); ++i) {
    out << "asm(\".section .rodata\\n.balign 16\\nspwrap_resource_" << i << ":\\n.incbin "
        << AssemblerString(script.files[i].file.string()) << "\\n.previous\\n\");\n"
        << "extern \"C\" const unsigned char spwrap_resource_" << i << "[];\n";
  }

  out << "\nnamespace {\n\n";
  std::size_t blockIndex = 0;
  for (const auto& [key, strings] : script.strings) {
    out << "// Block " << key.first << ", language " << key.second << ".\n"
        << "const char16_t kStringBlock" << blockIndex++ << "[] = {";
    for (const auto& text : strings) {
      out << "\n    " << text.size() << ",";
      for (char16_t unit : text) out << " 0x" << std::hex << static_cast<unsigned>(unit) << std::dec << ",";
    }
    out << "\n};\n";
  }

  out << "\nconst platform::host::CarriedResource kResources[] = {\n";
  for (std::size_t i = 0; i < script.files.size(); ++i) {
    const FileResource& resource = script.files[i];
    out << "    {" << ResourceIdText(resource.type, resource.typeId) << ", "
        << ResourceIdText(resource.name, resource.nameId) << ", " << resource.language << ", spwrap_resource_" << i
        << ", " << resource.size << "},\n";
  }
  blockIndex = 0;
  for (const auto& [key, strings] : script.strings) {
    out << "    {{{}, platform::kStringTableType}, {{}, " << key.first << "}, " << key.second << ", kStringBlock"
        << blockIndex << ", sizeof kStringBlock" << blockIndex << "},\n";
    ++blockIndex;
  }
  out << "};\n\nconst platform::host::ResourceModule kModule{kResources};\n\n}  // namespace\n\n"
      << "const platform::host::ResourceModule& platform::host::CarriedModule() { return kModule; }\n";

  std::ofstream(outputPath, std::ios::binary) << out.str();
  std::ofstream depfile(depfilePath, std::ios::binary);
  depfile << outputPath.string() << ": " << fs::absolute(scriptPath).string();
  for (const auto& resource : script.files) depfile << " \\\n  " << resource.file.string();
  depfile << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: rcgen SCRIPT.rc OUTPUT.cpp DEPFILE\n";
    return 2;
  }
  const fs::path scriptPath = argv[1];
  Write(Parse(scriptPath), scriptPath, argv[2], argv[3]);
  return 0;
}
