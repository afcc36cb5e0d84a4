#pragma once

#include "forms/FormRunner.h"

class FileChooser;
class Messages;
class Pacer;
class PrinterPort;  // link/PrinterPort.h: the one connection to the printer

// What every tool window talks to. The application hands in the real ones, tests the recording
// fakes; no window reaches for a global.
struct ToolContext {
    PrinterPort& port;
    Messages& messages;
    FileChooser& files;
    Pacer& pacer;
    // The printer model identified at the last Connect (-1: none), as it was when the tool opened.
    int modelIndex = -1;
    // Runs every form a window opens.
    FormRunner run = RunModal;
};
