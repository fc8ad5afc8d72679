#pragma once

#include <QString>

struct Problem;

// What the problem is, as the check's report and --check say it: "standard weapon "Rifle" is
// not in the weapon catalogue".
QString problemText(const Problem& problem);
