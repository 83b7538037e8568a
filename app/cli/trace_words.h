// The link's events in English, as velmora-cli --trace writes them: the
// same lines as the panel's traffic window, in the command line's language.
#ifndef VELMORA_APP_CLI_TRACE_WORDS_H
#define VELMORA_APP_CLI_TRACE_WORDS_H

#include "panel/traffic_line.h"

const TrafficWords& EnglishTrafficWords();

#endif
