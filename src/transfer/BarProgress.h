#pragma once

#include "transfer/BlockSender.h"

class QProgressBar;
class QWidget;

// A transfer's progress shown on a progress bar. A file of less than one block keeps an empty
// bar (a range of nothing would make it a busy indicator), and a value past the end (20 on
// Ethernet for a small file) fills it.
TransferProgress BarProgress(QProgressBar* bar);

// An empty bar without a text, named "progressBar".
QProgressBar* TransferBar(QWidget* parent);
