#pragma once

#include <QCoreApplication>
#include <QString>

#include "link/DeviceOpening.h"
#include "link/PortKind.h"

// What the main window adds under "Cannot open port!": why the device could not be opened, and
// what a person can do about it.
class ConnectFailure {
    Q_DECLARE_TR_FUNCTIONS(ConnectFailure)
public:
    // The details line; empty when nothing is known beyond the failure itself.
    static QString Details(PortKind kind, const QString& portName, const OpenFailure& failure);
    // The group whose members may open devices of this kind.
    static QString DeviceGroup(PortKind kind);
};
