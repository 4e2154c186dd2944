#pragma once

#include "sphere/SphereImport.h"
#include "windows/widgets/FixedDialog.h"

#include <QStringList>

class QComboBox;
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
    // The script lines the last import left out or changed.
    const QList<ImportNote> &importedNotes() const { return m_notes; }
    // The name of the dialog imported.
    const QString &importedName() const { return m_importedName; }
    // A new run: the last run's errors and progress go.
    void startRun();

    QLineEdit *Edit1 = nullptr;        // "Sphere File", typed or filled by "Browse"
    QPushButton *Button1 = nullptr;    // "Browse"
    QComboBox *ComboBox1 = nullptr;    // "Dialog name": the file's dialogs, or typed
    QProgressBar *ProgressBar1 = nullptr; // "File scan"
    QListWidget *ListBox1 = nullptr;   // "Errors"
    QPushButton *Button2 = nullptr;    // "Import"
    QPushButton *Button3 = nullptr;    // "Close"

    static inline const QString ScriptFilter = QStringLiteral("Sphere Script (*.Scp *.scp *.SCP)");

    // The script to read: the field shows it and the name box offers its dialogs.
    void setScriptFile(const QString &path);

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void offerDialogNames();

    QString m_appDir;
    QString m_namesOf;   // the file whose dialogs the name box offers
    QStringList m_imported;
    QList<ImportNote> m_notes;
    QString m_importedName;
};
