#include "app/cli/link_trace.h"

#include "app/cli/trace_words.h"
#include "panel/traffic_line.h"

void LinkTrace::OnLinkEvent(const LinkEvent& event) {
    m_out << TrafficLine(m_recorder.Record(event), EnglishTrafficWords()) << "\n" << std::flush;
}
