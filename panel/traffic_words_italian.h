// The Italian words of the "Traffico" window's lines.
#ifndef VELMORA_PANEL_TRAFFIC_WORDS_ITALIAN_H
#define VELMORA_PANEL_TRAFFIC_WORDS_ITALIAN_H

#include "panel/traffic_line.h"

const TrafficWords& ItalianTrafficWords();

#endif
