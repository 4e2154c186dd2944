#pragma once

#include "assets/TextConverter.h"
#include "ui/forms/FixedDialog.h"

// "Uo Text Converter": never shown; it holds the converter that draws text in
// the game's lettering for the previews. Its own window arrives later.
class TForm5 : public ShellDialog
{
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);

    TextConverter Converter;
};
