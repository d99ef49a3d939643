#pragma once
#include <cstdint>
#include <string>

namespace evenkeeper {

// Puts "," between groups of three digits of the first run of digits in text, in place;
// text before the run stays, text after it is dropped. Text needs room for the commas
// (a 64-bit number grows from 20 to 26 characters).
void groupThousands(char* text);
// number with "," between groups of three digits.
std::string groupedNumber(std::uint64_t number);

}  // namespace evenkeeper
