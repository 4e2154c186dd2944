#pragma once

#include "ui/forms/FixedDialog.h"

#include <QStringList>

class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

// "Import (55i - 99g only)": reads one named dialog of a Sphere script. The
// import itself is SphereImport; the window shows its progress and errors and
// closes with Accepted when it succeeded, the result in importedLines().
class TForm14 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm14(QWidget *parent = nullptr);

    void setAppDir(const QString &appDir) { m_appDir = appDir; }
    const QStringList &importedLines() const { return m_imported; }

    QLineEdit *Edit1 = nullptr;        // "Sphere File", read only
    QPushButton *Button1 = nullptr;    // "Browse"
    QLineEdit *Edit2 = nullptr;        // "Dialog name"
    QProgressBar *ProgressBar1 = nullptr; // "File scan"
    QListWidget *ListBox1 = nullptr;   // "Errors"
    QPushButton *Button2 = nullptr;    // "Import"
    QPushButton *Button3 = nullptr;    // "Close"

    static inline const QString ScriptFilter = QStringLiteral("Sphere Script (*.Scp *.scp *.SCP)");

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    QString m_appDir;
    QStringList m_imported;
};
