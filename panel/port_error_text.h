// The four Italian texts a failed port call is reported with, one per step
// of the link, as the panel's boxes show them.
#ifndef VELMORA_PANEL_PORT_ERROR_TEXT_H
#define VELMORA_PANEL_PORT_ERROR_TEXT_H

#include "link/link_observer.h"

#include <string_view>

std::string_view PortErrorText(LinkStep step);

#endif
