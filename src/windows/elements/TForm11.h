#pragma once

#include "document/ElementCommands.h"
#include "windows/widgets/FixedDialog.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class SpinEdit;

// The button options: close on click, page to switch to, events. The window
// keeps its values between uses.
class TForm11 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm11(QWidget *parent = nullptr);

    ElementDialogs::ButtonOptions options() const;
    void setOptions(const ElementDialogs::ButtonOptions &options);

    QCheckBox *CheckBox1 = nullptr;      // "Close on Click"
    SpinEdit *CSpinEdit1 = nullptr;      // "Page to switch to"
    QPlainTextEdit *Memo1 = nullptr;     // "Events (Leave Blank if none)"
    QPushButton *Button1 = nullptr;      // "Ok"

    void done(int result) override;
    // Left without Ok (Escape, the close button): cancelled, the values as they were.
    bool cancelled() const { return m_cancelled; }

protected:
    void showEvent(QShowEvent *event) override;

public slots:
    void CSpinEdit1Change();

private:
    ElementDialogs::ButtonOptions m_shown;   // the values when the window was shown
    bool m_cancelled = false;
};
