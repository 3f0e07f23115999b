#pragma once

#include "frmPrincipal.h"

// The main window's own state, which a user sees only through its effects: tests read it, and
// set it where a test must start from a known state (an unchanged job, a first row's span no
// check has set yet). Everything else, tests do through the widgets, menus and keys.
class WindowProbe
{
public:
    explicit WindowProbe(frmPrincipal &window) : m_window(window) {}

    // The job changed since it was loaded or saved (what the close question asks about).
    bool jobModified() const { return m_window.m_jobModified; }
    void setJobModified(bool modified) { m_window.m_jobModified = modified; }
    // hasta(0) - desde(0) of the distinct-number page, as the row rules last saw it.
    double firstRowSpan() const { return m_window.m_firstRowSpan; }
    void setFirstRowSpan(double span) { m_window.m_firstRowSpan = span; }
    // What the start-up timer does a second after loading, at once: the change events of
    // loading are forgotten and the job counts as unchanged.
    void settleStartUp() { m_window.endStartUpChanges(); }
    // The last caption load succeeded.
    bool languageLoaded() const { return m_window.m_languageLoaded; }
    // The font panel shows (the window is expanded).
    bool advancedAreaShown() const { return m_window.advancedAreaShown(); }

private:
    frmPrincipal &m_window;
};
