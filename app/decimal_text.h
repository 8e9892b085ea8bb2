// The decimal text-to-number conversion of ZOMA.ini's text keys (speeds, climb, swim, colours
// and perception ranges).
#pragma once

#include <string>

// Leading white space is skipped, then the longest decimal number is read: an optional sign,
// digits with an optional point, an optional exponent. "2.5abc" is 2.5 and "1e2" is 100;
// anything else, hex floats ("0x10" is 0), "inf" and "nan" among them, reads as 0. A number too
// large for a double reads as an infinity.
double DecimalNumber(const std::string& text);
