#pragma once

#include <string>
#include <string_view>

// The program holds every text as UTF-8; these count and cut it by characters, not bytes.
namespace pickwell {

std::u32string ToCodePoints(std::string_view utf8);
std::string FromCodePoints(std::u32string_view codePoints);
void AppendCodePoint(std::string& utf8, char32_t codePoint);

std::size_t Utf8Length(std::string_view utf8);
// The first `count` characters.
std::string Utf8Left(std::string_view utf8, std::size_t count);

} // namespace pickwell
