#pragma once

#include "assets/TextConverter.h"
#include "windows/widgets/FixedDialog.h"

// "Uo Text Converter": never shown; it gives access to the converter that draws text in
// the game's lettering for the previews. Its own window arrives later.
class TForm5 : public ShellDialog
{
    Q_OBJECT

public:
    // The converter is the page renderer's, so previews and the canvas draw
    // with one font.
    TForm5(TextConverter &converter, QWidget *parent = nullptr);

    TextConverter &Converter;
};
