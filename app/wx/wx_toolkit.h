// The toolkit's start and end for a program with windows (the panel and the
// simulated board), with the work their start-up has no use for left out.
//
// What GTK and wx do at start, and how it is stood in for:
//  - GTK probes GL to pick a visual, which loads the whole GL stack (with a
//    software renderer, LLVM too): half the start-up and 50 MiB. Nothing
//    here draws with GL, so the probe is off unless the user set GDK_GL.
//  - Fontconfig reads its whole configuration the first time a text is laid
//    out, after the theme, with the window waiting. It is read on a thread
//    of its own from the start instead, while GTK connects and loads its
//    theme. Should a text come first all the same, it reads it as it would
//    have anyway.
//  - wx builds its table of a thousand languages to learn the writing
//    direction of the first window. The windows are Italian: left to right.
#ifndef VELMORA_APP_WX_WX_TOOLKIT_H
#define VELMORA_APP_WX_WX_TOOLKIT_H

#include <thread>

class WxToolkit {
public:
    // Starts wx and GTK on the display; Started() says whether it could.
    WxToolkit(int& argc, char** argv);
    // Ends wx, if it started.
    ~WxToolkit();
    WxToolkit(const WxToolkit&) = delete;
    WxToolkit& operator=(const WxToolkit&) = delete;

    bool Started() const { return m_started; }

private:
    std::jthread m_fontConfig;
    bool m_started = false;
};

#endif
