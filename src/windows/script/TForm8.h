#pragma once

#include "windows/widgets/FixedDialog.h"

class QPlainTextEdit;
class QPushButton;
class QStatusBar;

// The exported script, to be copied into a dialog file or saved as one.
class TForm8 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm8(QWidget *parent = nullptr);

    QStringList lines() const;
    void setLines(const QStringList &lines);
    // The export's dialect decides the encoding "Save…" writes.
    void setDialect(const QString &dialect) { m_dialect = dialect; }

    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *CopyButton = nullptr;   // "Copy"
    QPushButton *SaveButton = nullptr;   // "Save…"
    QStatusBar *StatusBar1 = nullptr;

    static inline const QString ScriptFilter = QStringLiteral("Sphere Script (*.scp)");

public slots:
    void CopyClick();
    void SaveClick();

private:
    QString m_dialect;
};
