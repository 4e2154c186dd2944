#pragma once

#include <QDialog>

class QPushButton;

// A window of fixed size without a close box, shown modally when needed and
// kept, with its control values, until the program ends.
class FixedDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FixedDialog(QWidget *parent, const QString &caption);

    // Escape and the window manager's close do what the window's Cancel
    // does; a window without one closes only through its own buttons.
    // Such a window also has the title bar's close button.
    void setEscapeCloses(bool closes);

    void reject() override;

protected:
    // A push button that closes the window with the given result.
    QPushButton *closeButton(const QString &caption, int result = QDialog::Accepted);
    // Fixes the size to what the layout needs.
    void fixSize();

private:
    bool m_escapeCloses = false;
};
