// The standard and Qt headers nearly every file of the program includes,
// parsed once per target instead of once per file.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUndoStack>
