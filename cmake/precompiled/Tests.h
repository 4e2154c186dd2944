// What the test programs include besides the program's own headers.
#pragma once

#include "Qt.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
