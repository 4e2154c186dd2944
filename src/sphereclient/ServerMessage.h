#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// The text of a message the server shows the player (system messages and
// speech): 0x1C with a plain text, 0xAE with a UTF-16BE text. Nothing when
// the packet is neither or is cut short. The text ends at its first NUL.
std::optional<QString> readServerMessage(QByteArrayView packet);
