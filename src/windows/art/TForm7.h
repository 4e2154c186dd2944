#pragma once

#include "windows/widgets/FixedDialog.h"

class QLineEdit;
class QPushButton;

// "Create New GumpPic": adds a picture to the art library, named by its gump
// number. It stays open with its fields after each add.
class TForm7 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm7(QWidget *parent = nullptr);

    void setAppDir(const QString &appDir) { m_appDir = appDir; }

    QLineEdit *Edit1 = nullptr;     // "Picture displayed for button :"
    QPushButton *Button1 = nullptr; // "Browse"
    QLineEdit *Edit2 = nullptr;     // " Gump In Hexdecimal :"
    QPushButton *Button2 = nullptr; // "Add to Libary"
    QPushButton *Button3 = nullptr; // "Close"

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    QString m_appDir;
};
