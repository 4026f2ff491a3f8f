#pragma once
// How the editors and the command line read a number that a person typed.

#include <optional>
#include <string_view>

namespace castovin {

// The lenient leading-number rule: blanks, tabs and line feeds are ignored
// wherever they stand; then an optional sign, digits, an optional "." with
// digits and an optional exponent (E or D) are read up to the first other
// character; "&H" and "&O" read a hexadecimal or octal whole number. Text
// with no readable number gives 0 ("12abc" 12, "1 2" 12, "1,5" 1). A number
// beyond the double range raises run-time error 6.
double LeadingNumber(std::string_view text);

// True when the whole text (blanks around it allowed) is one number: an
// optional sign, digits with at most one ".", at least one digit, and an
// optional exponent. A lone sign or point is not a number; there are no
// thousands separators.
bool IsNumericText(std::string_view text);

// The strict rule of the command line: the whole text, with blanks and tabs
// around it allowed, is one number in a form the project file accepts (an
// optional sign, digits with an optional point that may stand first or
// last, an optional exponent with E). Anything else, "12abc", "1,5" and ""
// among them, gives nothing. A number beyond the double range reads as
// infinity with its sign, so that the caller can say it is out of range.
std::optional<double> WholeNumber(std::string_view text);

// A field's number by the lenient rule, as the editors check it: a number
// beyond the float range (or the double range) reads as infinity with its
// sign, so that it fails every range check.
double FieldValue(std::string_view text);

}  // namespace castovin
