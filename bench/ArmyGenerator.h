#pragma once

#include <QByteArray>

// Datafiles of the benchmark's own making, in the layout the writer produces, the same bytes for
// the same arguments on every machine.
struct ArmyShape {
    int troops = 100;
    int weapons = 2000;
    int abilities = 500;
    // When above 0, weapons are added past the count above until the file is about this large.
    qint64 targetBytes = 0;
};

ArmyShape maximalArmy();
ArmyShape bigArmy();
ArmyShape sizedArmy(double megabytes);

QByteArray generateArmy(const ArmyShape& shape, quint32 seed = 20261207);
