#pragma once

#include "app/RecordWalker.h"

#include <QString>

// One element record as the renderer reads it: the lines as they stand and
// the numbers taken from them.
struct ElementRecord
{
    ElementKind kind = ElementKind::None;
    int line = 0;                 // the kind word's document line
    QString xText, yText;         // as they stand, for the select list
    int x = 0, y = 0;
    QString fileName;             // gumppic, resizepic, button
    QString widthText, heightText;  // resizepic
    int width = 0, height = 0;
    int gumpNumber = 0;           // gumppic: the file name read as hexadecimal
    bool gumpNumberRead = false;
    QString hue, text;            // text

    // The record the walker stands on. Throws RuntimeError naming what is
    // wrong: a record cut short (by a structure line or the end of the
    // design), or an X, Y, width or height that is not a whole number. A
    // gumppic name that is not hexadecimal is drawn from its file all the same.
    static ElementRecord read(const RecordWalker &walker);
    // The record's lines as they stand, no numbers read; never throws.
    static ElementRecord fields(const RecordWalker &walker);

    // The select list entry: "Gumppic at 20 30 Useing 500",
    // "Text at 40 50 Saying Hello wo..." (texts cut to 8 characters).
    QString selectEntry() const;
};
