#pragma once

#include "document/DocumentCommands.h"
#include "windows/widgets/FixedDialog.h"

class QPushButton;
class SpinEdit;

// Where the client places the dialog on screen. Keeps its values between uses.
class TForm9 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm9(QWidget *parent = nullptr);

    SpinEdit *CSpinEdit1 = nullptr; // "X"
    SpinEdit *CSpinEdit2 = nullptr; // "Y"
    QPushButton *Button1 = nullptr; // "Ok"

    // The X and Y the spins show, as the location record stores them.
    DocumentCommands::Location placement() const;
    void setPlacement(const DocumentCommands::Location &placement);

    // A spin left without a number closes with the last number it held,
    // unless it holds a place the server computes.
    void done(int result) override;

private:
    static bool isComputedPlace(const QString &text);

public slots:
    void CSpinEdit1Change();
    void CSpinEdit2Change();
};
