// velmora-cli --trace: each event of the link as one English line on a
// stream (standard error), written as it happens, so that a run that hangs
// or fails has already shown what went over the line.
#ifndef VELMORA_APP_CLI_LINK_TRACE_H
#define VELMORA_APP_CLI_LINK_TRACE_H

#include "link/link_observer.h"
#include "link/traffic_record.h"

#include <ostream>

class LinkTrace : public LinkObserver {
public:
    explicit LinkTrace(std::ostream& out) : m_out(out) {}
    void OnLinkEvent(const LinkEvent& event) override;

private:
    std::ostream& m_out;
    TrafficRecorder m_recorder;
};

#endif
