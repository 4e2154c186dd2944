#pragma once

// Whether standard error is a terminal, where progress can be redrawn in place.
namespace Terminal {
bool standardErrorIsTerminal();
}
