#pragma once

#include "document/Document.h"
#include "windows/widgets/Modal.h"

// Text typed into a window must fit a design file before it reaches the
// document: true, after a "Warning" naming the characters, when it does not.
inline bool warnIfUnstorable(const QString &text)
{
    const QString bad = Document::unstorableCharacters(text);
    if (bad.isEmpty())
        return false;
    Modal::warning(QStringLiteral("A design file cannot store these characters: %1").arg(bad));
    return true;
}
