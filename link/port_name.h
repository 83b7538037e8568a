// The name the OS is given for a port name the user typed.
#ifndef VELMORA_LINK_PORT_NAME_H
#define VELMORA_LINK_PORT_NAME_H

#include <string>
#include <string_view>

namespace port {

// On Windows "COM10" and above open only as "\\.\COM10" (the prefix works
// for COM1 to COM9 too): a name of the form COMn gets it, unless it already
// starts with "\\". Any other name is passed unchanged.
std::string DevicePath(std::string_view name);

// A listed port may say what else it is known as, in parentheses after the
// name: "/dev/serial/by-id/usb-Board-if00 (ttyACM0)". The note is for the
// reader; the name to open is what stands before it.
std::string WithNote(std::string name, std::string_view note);
std::string_view WithoutNote(std::string_view shown);

}  // namespace port

#endif
