// The panel's store: the fields that mirror the controls, in declaration
// order, plus what the poll keeps for the trend window. The routines read
// and change it; the rest of the program reads it through the panel's
// read-only view.
#ifndef VELMORA_PANEL_PANEL_STORE_H
#define VELMORA_PANEL_PANEL_STORE_H

#include "panel/panel_view.h"
#include "panel/trend_series.h"

#include <cstdint>
#include <string>

struct PanelStore {
    IconHandle m_hIcon = 0;
    std::int8_t m_nColumns = 0;  // not 8, 16, 20 or 40: the first exchange makes it 16
    std::string m_strRow1, m_strRow2, m_strRow3, m_strRow4;
    std::string m_strRows;
    std::string m_strPort;
    std::string m_strColumns;
    std::string m_strClock;
    std::string m_strAnalog;
    std::int32_t m_bAcquireAnalog = 0;
    std::int32_t m_bAcquireTemp = 0;
    std::string m_strTemperature;
    std::int32_t m_bLed1 = 0, m_bLed2 = 0, m_bLed3 = 0, m_bLed4 = 0;
    std::int32_t m_bBuzzer = 0;
    // What the poll read, for the trend window: since it opened or its "Azzera".
    TrendSeries m_trend;
};

#endif
