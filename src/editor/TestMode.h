#pragma once

#include "document/BranchChoice.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

// The canvas as the client would show the dialog: page 0 beneath the page
// shown, page buttons switching pages, reply buttons naming their reply and
// closing the dialog when they close it. It only reads the design's lines;
// leaving gives back the page where editing stopped.
class TestMode
{
public:
    // How large a button's art is (invalid when it is missing).
    using ButtonSize = std::function<QSize(const QString &artName)>;

    struct Click {
        enum class Kind { Nothing, PageSwitch, Reply, MissingPage };
        Kind kind = Kind::Nothing;
        int line = 0;             // kind word of the button, from 0
        QString page;             // the page switched to (or missing)
        int reply = 0;            // the reply number the export gives the button
        QStringList firstEvents;  // the first lines of its events
        bool closes = false;
        QString status;           // what the status line says
    };

    static constexpr int ShownEventLines = 2;

    bool active() const { return m_active; }
    const QString &page() const { return m_page; }
    bool dialogClosed() const { return m_closed; }

    void enter(const QString &editingPage);
    // What the status line says on entering: with script lines in the
    // design, that their logic does not run and each condition shows the
    // branch the view chooses.
    static QString enterStatus(const QStringList &lines);
    // The page to go back to.
    QString leave();

    // A click at a point of the dialog (document coordinates). Buttons of a
    // branch the choice does not show are not there to click.
    Click click(const QStringList &lines, QPoint at, const ButtonSize &buttonSize,
                const BranchChoice &branches = BranchChoice());

private:
    bool m_active = false;
    bool m_closed = false;
    QString m_editingPage;
    QString m_page;
};
