#pragma once

#include <QStringList>
#include <optional>

// DATACACHE: the document lines as they stood at the last finished render.
// A redraw whose document still equals them shows the last render again
// instead of rendering. Compared line by line, so two documents whose lines
// join to the same text (an events line holding a line break) still differ.
class RenderCache
{
public:
    bool isUnchanged(const QStringList &lines) const { return m_lines && *m_lines == lines; }
    void remember(const QStringList &lines) { m_lines = lines; }
    // Makes the next redraw render whatever the document holds.
    void clear() { m_lines.reset(); }

private:
    std::optional<QStringList> m_lines;
};
