#pragma once

#include <functional>
#include <string>

#include "sim/Printer.h"

// Sends the bytes whole and byte by byte (a command may arrive in pieces) to two printers
// prepared alike; both must answer the same. The state is the whole one's afterwards.
std::string WholeAndPieces(const std::string& bytes,
                           const std::function<void(sim::PrinterState&)>& prepare = {},
                           sim::PrinterState* state = nullptr);
