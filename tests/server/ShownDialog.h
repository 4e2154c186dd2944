#pragma once

// The comparison lives with the server world the designer uses too.
#include "serverworld/ShownDialog.h"
