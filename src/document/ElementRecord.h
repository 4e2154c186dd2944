#pragma once

#include "document/RecordWalker.h"

#include <QString>

// One element record as the renderer reads it: the lines as they stand and
// the numbers taken from them.
struct ElementRecord
{
    ElementKind kind = ElementKind::None;
    int line = 0;                 // the kind word's document line
    QString xText, yText;         // as they stand, for the select list
    int x = 0, y = 0;
    // gumppic, resizepic, button, checkbox, radio, gumppictiled, gumppichue
    QString fileName;
    // resizepic and the box kinds: htmlgump, croppedtext, textentry,
    // gumppictiled, checkertrans, xmfhtmlgump
    QString widthText, heightText;
    int width = 0, height = 0;
    int gumpNumber = 0;           // gumppic: the file name read as hexadecimal
    bool gumpNumberRead = false;
    // text, croppedtext, textentry, tilepic, gumppichue (0 none for the last two);
    // hueNumber is read for all but text, whose hue stands as it is.
    QString hue;
    int hueNumber = 0;
    // text, htmlgump, croppedtext, textentry (its initial text)
    QString text;
    // htmlgump, xmfhtmlgump
    QString backgroundText, scrollbarText;
    bool background = false, scrollbar = false;
    // checkbox, radio
    QString checkedText;
    bool checked = false;
    // textentry: the entry id; checkbox, radio: the switch id
    QString idText;
    int id = 0;
    QString limitText;            // textentry: character limit, 0 for none
    int limit = 0;
    QString groupText;            // radio
    int group = 0;
    QString itemText;             // tilepic: the item number
    int item = 0;
    QString clilocText;           // xmfhtmlgump
    int cliloc = 0;
    QString colourText;           // xmfhtmlgump: 0 for none
    int colour = 0;
    // A number field holds a relative place or an expression the server
    // computes when the dialog opens: its number above is the stand-in.
    bool placedByServer = false;
    // script: the line as written, indentation included, is `text`.

    // Whether the kind has a width and height field (resizepic and the box kinds).
    static bool hasBox(ElementKind kind);
    // Whether the kind names an art file in its DATA folder.
    static bool hasArtFile(ElementKind kind);
    // Offsets of the width and height fields, -1 for kinds without them.
    static int widthField(ElementKind kind);
    static int heightField(ElementKind kind);
    // Offset of the art file field, -1 for kinds without one.
    static int artFileField(ElementKind kind);
    // Offset of the text field (text, htmlgump, croppedtext, textentry), -1 otherwise.
    static int textField(ElementKind kind);

    // The record the walker stands on. Throws RuntimeError naming what is
    // wrong: a record cut short (by a structure line or the end of the
    // design), or an X, Y, width, height or other number field that is
    // neither a whole number nor a computed field (FieldValue). A
    // gumppic name that is not hexadecimal is drawn from its file all the same.
    static ElementRecord read(const RecordWalker &walker);
    // The record's lines as they stand, no numbers read; never throws.
    static ElementRecord fields(const RecordWalker &walker);

    // The select list entry: "Gumppic at 20 30 Useing 500",
    // "Text at 40 50 Saying Hello wo..." (texts cut to 8 characters),
    // "Htmlgump at 10 20 Saying Welcome ...", "Tilepic at 5 6 Useing 3821";
    // a script line is its text.
    QString selectEntry() const;
};
