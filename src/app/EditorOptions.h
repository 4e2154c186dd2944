#pragma once

#include "platform/ColorText.h"

#include <QString>

// The options the editor reads while it works, with their first-start values.
// The options window holds the live copy.
struct EditorOptions
{
    bool perfectText = true;                 // "Perfect Text"
    bool transparent = true;                 // "Transparent"
    ColorValue backgroundColor = 0x00FFFFFF; // "Back Ground Color"
    ColorValue selectionColor = 0x0000FF00;  // "Selection Color"
    bool cacheImages = true;                 // "Cache Images"
    bool timeDrawing = true;                 // "Time Drawing"
    bool showDrawGauge = true;               // "Show Draw Gauge"
    bool blackColorBlack = true;             // "Black Color Black" (else "All Selection Color")
    bool autosaveOnRedraw = false;           // "Autosave on Redraw"
    QString creationStyle = QStringLiteral("(1.2) Real Draw");
    bool offsetOnClone = true;               // "Offset on clone"
    QString exportVersion = QStringLiteral("55i - 99g");

    bool realDraw() const { return creationStyle == u"(1.2) Real Draw"; }
};
