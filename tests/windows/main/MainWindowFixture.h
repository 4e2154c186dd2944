#pragma once

#include <QCoreApplication>

#include "windows/main/ScriptedModals.h"
#include "windows/main/TForm1.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// Lets the turn end, as it does between two user actions: the session's
// notices arrive and the one redraw they ask for runs.
inline void settle()
{
    for (int pass = 0; pass < 2; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A main window started in a scratch folder holding a small art library:
// DATA/1F4.bmp, DATA/2A.BMP, DATA/buttons/okay.bmp (+ okay.cs) and
// DATA/resizepic/9200.Bmp. Every window it shows is answered by `modals`.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString path(const QString &relative) const { return m_dir.path() + u'/' + relative; }
    void writeFile(const QString &relative, const QByteArray &bytes) const;
    void writeBitmap(const QString &relative) const;

    // Starts the window as the program does: the start-up window runs by
    // itself (no update server) and closes.
    void boot();
    // Picks `file` in the image picker and presses "Ok".
    void scriptPicker(const QString &file);
    // Chooses select list entry index as the user would.
    void select(int index);
    QStringList lines() const { return window->state().DATA.lines(); }

    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<ScriptedModals> modals;
    std::unique_ptr<TForm1> window;
};
