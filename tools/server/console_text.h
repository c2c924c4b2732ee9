// The tool's console speaks UTF-8; the link carries the ANSI code page.
#pragma once
#include <string>

namespace wardo::tools::server {

std::string utf8FromAnsi(const std::string& ansi);
// Sequences that are not UTF-8 pass through as they are.
std::string ansiFromUtf8(const std::string& utf8);
std::string hexOf(const std::string& bytes);

}  // namespace wardo::tools::server
