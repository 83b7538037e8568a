#include "app/wx/wx_port_watch.h"

#include <glib-unix.h>

#include <utility>

WxPortWatch::WxPortWatch(std::function<void()> changed, std::string devRoot)
    : m_watch(std::move(devRoot)), m_changed(std::move(changed)) {
    if (m_watch.Fd() < 0) return;
    const GUnixFDSourceFunc readable = [](gint, GIOCondition, gpointer self) -> gboolean {
        auto* watch = static_cast<WxPortWatch*>(self);
        if (watch->m_watch.Changed()) watch->m_changed();
        return G_SOURCE_CONTINUE;
    };
    m_source = g_unix_fd_add(m_watch.Fd(), G_IO_IN, readable, this);
}

WxPortWatch::~WxPortWatch() {
    if (m_source != 0) g_source_remove(m_source);
}
