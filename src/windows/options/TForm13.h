#pragma once

#include "document/DocumentCommands.h"
#include "windows/widgets/FixedDialog.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

// The dialog's window flags. Keeps its values between uses.
class TForm13 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm13(QWidget *parent = nullptr);

    QCheckBox *CheckBox1 = nullptr; // "Can Not Close"
    QCheckBox *CheckBox2 = nullptr; // "Can Not Move"
    QPlainTextEdit *Memo1 = nullptr; // what runs when the dialog is closed with the right mouse button
    QPushButton *Button1 = nullptr; // "Ok"

    // The flags the boxes show.
    DocumentCommands::WindowFlags flags() const;
    void setFlags(const DocumentCommands::WindowFlags &flags);
    // The close block as the document keeps it: lines joined by CR LF.
    QString closeBlock() const;
    void setCloseBlock(const QString &block);
};
