#pragma once

#include <QIcon>

// The application's icon: a label coming out of a printer, drawn so no image file is needed.
QIcon AppIcon();
