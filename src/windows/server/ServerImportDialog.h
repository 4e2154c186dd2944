#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QThread;

// File > Import > "From the server…": which of the shard's dialogs to open,
// for which stand-in and with which arguments. The names are read from the
// scripts folder on a thread of its own; the list can be searched.
class ServerImportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ServerImportDialog(const QString &scriptsFolder, QWidget *parent = nullptr);
    ~ServerImportDialog() override;

    QString dialogName() const;
    int privilege() const;
    QString privilegeName() const;
    QString arguments() const;

    // The names found, once read (tests wait for it).
    bool namesRead() const { return m_read; }

    QLineEdit *Search = nullptr;
    QListWidget *Names = nullptr;
    QComboBox *Privilege = nullptr;
    QLineEdit *Arguments = nullptr;
    QLabel *Status = nullptr;
    QPushButton *OkButton = nullptr;

signals:
    void namesReady();

private:
    void filter();

    QThread *m_reader = nullptr;
    QStringList m_names;
    bool m_read = false;
};
