#pragma once

#include "windows/widgets/FixedDialog.h"

class QPlainTextEdit;
class QPushButton;

// "New Features and Fixs": shows news, release notes and the next-version
// text. Ok and Escape close it.
class TForm16 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm16(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button1 = nullptr;   // "Ok"

    // Downloaded texts longer than this are shown cut at this length.
    static constexpr qint64 MaxTextBytes = 1024 * 1024;

    // Loads the text file at path into Memo1, shows the window modally when
    // the text is not empty (or always, with evenWhenEmpty), then deletes
    // the file. A missing file shows nothing.
    void showFile(const QString &path, bool evenWhenEmpty);

public slots:
    void Button1Click();
};
