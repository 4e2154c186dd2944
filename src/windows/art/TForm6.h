#pragma once

#include "windows/widgets/FixedDialog.h"

class QLineEdit;
class QPushButton;

// "Create New Button": adds a two-state button to the art library. It stays
// open with its fields after each add, so entries can follow one another.
class TForm6 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm6(QWidget *parent = nullptr);

    void setAppDir(const QString &appDir) { m_appDir = appDir; }

    QLineEdit *Edit1 = nullptr;     // "Picture displayed for button :"
    QPushButton *Button1 = nullptr; // "Browse"
    QLineEdit *Edit2 = nullptr;     // "Name this button :"
    QLineEdit *Edit3 = nullptr;     // " Up Gump In Hexdecimal :"
    QLineEdit *Edit4 = nullptr;     // " Down Gump In Hexdecimal :"
    QPushButton *Button2 = nullptr; // "Add to Libary"
    QPushButton *Button3 = nullptr; // "Close"

    static inline const QString PictureFilter = QStringLiteral("Bitmaps (*.bmp *.BMP *.Bmp)");

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    QString m_appDir;
};
