// The order people expect for names that end in a number: "ttyUSB2" before
// "ttyUSB10", "COM9" before "COM10", for any length of number.
#ifndef VELMORA_LINK_NATURAL_ORDER_H
#define VELMORA_LINK_NATURAL_ORDER_H

#include <string_view>

namespace port {

bool NaturalLess(std::string_view a, std::string_view b);

}  // namespace port

#endif
