// One strict parser of the numbers and points typed on hxwt's command line,
// and the round-trip text in which the tool echoes them.
//
// A number is a finite decimal: optional sign, digits with an optional
// decimal point, an optional exponent ("12", "-0.5", ".25", "1e3"). Refused:
// empty text, blanks, hexadecimal ("0x10"), "inf", "nan", and values beyond
// the range of a double ("1e400"). Every subcommand parses through here, so
// the same text is accepted or refused everywhere.
#pragma once

#include <string>
#include <vector>

namespace hxwt {

// Parses text as one finite decimal number into value. False (value
// untouched) for anything else.
bool parseNumber(const std::string& text, double& value);

// Parses "A,B,..." into exactly count numbers. False with a reason in *error
// ("3 numbers wanted, 2 given", "'0x10' is not a finite decimal number").
bool parseNumbers(const std::string& text, size_t count, std::vector<double>& values,
                  std::string* error);

// Parses the text given to option name into value; empty text keeps value
// (the option's default). False with "NAME wants a finite decimal number, not
// 'TEXT'" in *error.
bool parseOptionNumber(const std::string& name, const std::string& text, double& value,
                       std::string* error);

// Parses "X,Y" into x and y; false with a reason in *error (x, y untouched).
bool parsePoint(const std::string& text, double& x, double& y, std::string* error);

// The shortest decimal text that reads back as exactly value ("50", "0.1",
// "1e+40", "-2.5"); negative zero gives "0".
std::string roundTrip(double value);

} // namespace hxwt
